#include "game/shell/about_dialog.h"

#include "engine/common/system.h"

void CAboutDlg::DoModal() { ShowMessageBox(kText, kCaption); }
