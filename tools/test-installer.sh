#!/usr/bin/env bash
# Tests the installer in a fresh Wine prefix, as a user's first installation: a silent install, the
# installed program started with --simulate and saving, a silent uninstall that keeps the profiles
# and macros, a reinstall that keeps them too, the uninstaller run as a user runs it with its question
# about the profiles and macros answered No, then Yes, and a silent uninstall told to remove them.
# Every step is bounded in time. Needs the Windows build (tools/test.sh builds it first).
set -euo pipefail
cd "$(dirname "$0")/.."
setup=$(ls build/windows/VelmarRavixDriver-*-Setup.exe)
version=${setup##*/VelmarRavixDriver-}
version=${version%-Setup.exe}
e2e=build/windows/tests/e2e/e2e_tests.exe

export WINEPREFIX="$PWD/build/wine-installer"
rm -rf "$WINEPREFIX"
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT

fail() { echo "installer test: $*" >&2; exit 1; }
# A step that hangs (a window nobody answers) fails the test instead of holding it up.
wine() { timeout 180 wine "$@"; }  # timeout runs the program, not this function
# The uninstaller runs from a copy of itself in the temporary folder and ends after its caller.
wait_gone() { for _ in $(seq 300); do [ -e "$1" ] || return 0; sleep 0.2; done; fail "$1 was left behind"; }
check() { echo "installer test: $*"; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmarRavixDriver'
profile_files=(config.bin str.ini config0.bin str0.ini record.ini)
program_files=("Velmar Ravix Driver.exe" KBHook.dll Update/X64/FwUpdate.exe Update/X86/FwUpdate.exe
               Skins/Default/main.png)

wine "$setup" /S
folder=$(find "$WINEPREFIX/drive_c/users" -maxdepth 5 -type d \
              -path '*/AppData/Local/Programs/Velmar Ravix Driver' | head -n 1)
[ -n "$folder" ] || fail "nothing installed under the user's local application folder"
for file in "${program_files[@]}" "${profile_files[@]}" Uninstall.exe; do
    [ -e "$folder/$file" ] || fail "$file was not installed"
done
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Velmar Ravix Driver.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
    fail "no entry with version $version in the installed programs"
check "installed per user into $folder, with a Start-menu shortcut and an entry for version $version"

winfolder=$(winepath -w "$folder")
wine "$e2e" "$winfolder" --gtest_filter='InstalledProgram.Starts*' --gtest_brief=1 || fail "the installed program did not save"
saved=$(md5sum "$folder/config0.bin")
check "the installed program started with --simulate and saved"

# What every uninstall removes, whatever it does with the profiles and macros.
check_program_removed() {
    for file in "${program_files[@]}"; do [ ! -e "$folder/$file" ] || fail "$file was left behind"; done
    [ ! -e "$folder/Skins" ] && [ ! -e "$folder/Update" ] || fail "program folders were left behind"
    [ ! -e "$shortcut" ] || fail "the Start-menu shortcut was left behind"
    ! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the entry in the installed programs was left behind"
}
# Runs one of the e2e tests that drive the uninstaller's window on the installed folder.
uninstall_answering() {
    wine "$e2e" "$winfolder" --gtest_filter="InstalledProgram.UninstallerAnswered$1*" --gtest_brief=1 ||
        fail "the uninstaller answered $1 did not do what it said"
}

wine "$folder/Uninstall.exe" /S
wait_gone "$folder/Uninstall.exe"
sleep 1
check_program_removed
for file in "${profile_files[@]}"; do [ -e "$folder/$file" ] || fail "the silent uninstall removed $file"; done
check "uninstalled; left: $(cd "$folder" && echo *)"

wine "$setup" /S
[ "$(md5sum "$folder/config0.bin")" = "$saved" ] || fail "a reinstall replaced the user's saved profile"
check "a reinstall kept the saved profile"

uninstall_answering No
wait_gone "$folder/Uninstall.exe"
check_program_removed
[ "$(md5sum "$folder/config0.bin")" = "$saved" ] || fail "the uninstall answered No changed the saved profile"
check "the uninstaller asked; answered No, it kept: $(cd "$folder" && echo *)"

wine "$setup" /S
uninstall_answering Yes
wait_gone "$folder"
check "the uninstaller asked; answered Yes, it removed everything"

wine "$setup" /S
wine "$folder/Uninstall.exe" /S /REMOVEPROFILES
wait_gone "$folder"
check "uninstall with /REMOVEPROFILES removed everything"
