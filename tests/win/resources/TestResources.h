#pragma once

// Dialog templates that the Windows tests create.
#define IDD_TEST_DIALOG 100
#define IDC_TEST_BUTTON 1001
