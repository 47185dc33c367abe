#include "resources/about_dialog_template.h"

#include "ui/control_styles.h"
#include "ui/dialog_ids.h"
#include "resources/dialog_font.h"
#include "resources/pictures.h"
#include "resources/resource_ids.h"

DialogTemplate AboutDialogTemplate()
{
    DialogTemplate t;
    t.templateId = ResourceId::kAboutDialog;
    t.caption = QStringLiteral("Info");
    // 460 x 460 pixels in dialog units of 1.5 x 1.625 pixels.
    t.sizeInDialogUnits = QSize(307, 284);
    t.style = WS_SYSMENU;
    t.fontName = QString::fromLatin1(kDialogFontName);
    t.fontPointSize = kDialogFontPointSize;
    t.controls = {
        {IDC_STATIC,
         ControlKind::Picture,
         PicturePath(ResourceId::kAboutPicture),
         {0, 0, 307, 284}},
        {IDOK,
         ControlKind::PushButton,
         QStringLiteral("OK"),
         {128, 260, 50, 14},
         WS_TABSTOP | WS_DISABLED | BS_DEFPUSHBUTTON,
         true},
    };
    return t;
}
