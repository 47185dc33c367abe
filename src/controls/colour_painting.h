#pragma once

#include "framework/colours.h"

#include <QFont>
#include <optional>

// The colours and font a self-painting control draws with. The text colour is set directly and
// shows at the next repaint; the background changes through ReplaceBackground.
class ColourPainting
{
public:
    COLORREF textColor = kColourButtonText;
    COLORREF backgroundColor = kColourButtonFace;

    // The brush the background is filled with; none means nothing is filled.
    const std::optional<QColor>& BackgroundBrush() const { return backgroundBrush; }
    // The control's font as it was when the control was attached; none before that.
    const std::optional<QFont>& Font() const { return font; }

protected:
    void ReplaceBackground(COLORREF colour);
    void CopyFont(const QFont& controlFont) { font = controlFont; }

private:
    std::optional<QColor> backgroundBrush = kColourButtonFace.ToQColor();
    std::optional<QFont> font;
};
