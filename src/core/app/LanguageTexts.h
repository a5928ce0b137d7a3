#pragma once

#include <string>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// One text in the three languages the program speaks.
struct Texts {
    const wchar_t* english;
    const wchar_t* simplified;
    const wchar_t* traditional;
};

inline std::wstring InLanguage(Language language, const Texts& texts) {
    switch (language) {
        case Language::SimplifiedChinese:
            return texts.simplified;
        case Language::TraditionalChinese:
            return texts.traditional;
        case Language::English:
            break;
    }
    return texts.english;
}

}  // namespace ravix
