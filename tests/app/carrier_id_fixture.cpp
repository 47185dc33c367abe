#include "app/carrier_id_fixture.h"

#include "framework/widget_text.h"
#include "resources/control_ids.h"

#include <QApplication>

CTamblorDlg& CarrierIdFixture::OpenWithCarrierId(const QByteArray& format, const QByteArray& length,
                                                 const QByteArray& text, const QByteArray& more)
{
    return OpenWithData("Format=" + format + "\r\nCarrierIDLength=" + length +
                        "\r\nCarrierID=" + text + "\r\n" + more);
}

void CarrierIdFixture::SetReaderPage(int page, const QByteArray& hex) const
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    ReaderEmulator::Page content{};
    for (std::size_t i = 0; i < content.size() && i < std::size_t(bytes.size()); ++i)
        content[i] = static_cast<std::uint8_t>(bytes[qsizetype(i)]);
    reader->Configure([&](ReaderEmulator& emulator) { emulator.SetPageContent(page, content); });
}

QString CarrierIdFixture::CarrierIdShown() const
{
    return WidgetText(dialog->GetDlgItem(ControlId::kCarrierIdField));
}

COLORREF CarrierIdFixture::CarrierIdColour() const
{
    return dialog->carrierIdField.backgroundColor;
}

QString CarrierIdFixture::LengthShown() const
{
    return WidgetText(dialog->GetDlgItem(ControlId::kCarrierIdLengthField));
}

bool CarrierIdFixture::CarrierIdHasFocus() const
{
    return QApplication::focusWidget() == dialog->GetDlgItem(ControlId::kCarrierIdField);
}
