#include "app/reader_operations_fixture.h"

#include "framework/widget_text.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QAbstractButton>
#include <QApplication>

COrvaneDlg& ReaderOperationsFixture::OpenWithData(const QByteArray& dataLines)
{
    reader->Configure(
        [](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kShortTimeoutAnswer); });
    WriteReaderSettings("[Data]\r\n" + dataLines + "\r\n");
    COrvaneDlg& window = Open();
    EXPECT_EQ(window.serialLink.connected, 1);
    reader->ClearReceivedBytes();
    return window;
}

ScriptedReader::Script ReaderOperationsFixture::ScriptWith(
    std::function<std::optional<QByteArray>(const QByteArray&)> answers)
{
    return ReaderScriptWith([answers = std::move(answers)](const QByteArray& command) {
        if (command == "TOR")
            return std::optional<QByteArray>(QByteArray::number(kShortTimeoutAnswer) + '\r');
        return answers(command);
    });
}

QByteArray ReaderOperationsFixture::SelectLines(const std::vector<int>& pages)
{
    QByteArray lines;
    for (int page : pages)
        lines += "SelectP" + QByteArray::number(page) + "=1\r\n";
    return lines;
}

void ReaderOperationsFixture::Click(int controlId) const
{
    auto* button = qobject_cast<QAbstractButton*>(dialog->GetDlgItem(controlId));
    ASSERT_NE(button, nullptr) << controlId;
    button->click();
}

QString ReaderOperationsFixture::PageFieldText(int page) const
{
    return WidgetText(dialog->GetDlgItem(kPageRows[page - 1].fieldId));
}

COLORREF ReaderOperationsFixture::PageFieldColour(int page) const
{
    return dialog->pageFields.InPageOrder()[page - 1]->backgroundColor;
}

std::array<COLORREF, 17> ReaderOperationsFixture::PageFieldColours() const
{
    std::array<COLORREF, 17> colours{};
    for (int page = 1; page <= 17; ++page)
        colours[page - 1] = PageFieldColour(page);
    return colours;
}

QString ReaderOperationsFixture::TerminalShown() const
{
    return WidgetText(dialog->GetDlgItem(ControlId::kTerminalOutput));
}

bool ReaderOperationsFixture::PageFieldHasFocus(int page) const
{
    return QApplication::focusWidget() == dialog->GetDlgItem(kPageRows[page - 1].fieldId);
}

QString ReaderOperationsFixture::ReaderPageHex(int page) const
{
    QString hex;
    reader->Configure([&](ReaderEmulator& emulator) {
        const ReaderEmulator::Page content = emulator.PageContent(page);
        hex = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(content.data()), content.size())
                .toHex()
                .toUpper());
    });
    return hex;
}

bool ReaderOperationsFixture::Shows(int boxId, const QPixmap& picture) const
{
    const auto* box = Control<QAbstractButton>(boxId);
    return box->icon().pixmap(picture.size()).toImage() == picture.toImage();
}

QStringList ReaderOperationsFixture::MessagesShown() const
{
    QStringList texts;
    for (const MessageBoxRequest& request : presenter.shown)
        texts.append(request.text);
    return texts;
}

COrvaneDlg& ReaderOperationsFixture::OpenWithCarrierId(const QByteArray& format, const QByteArray& length,
                                                 const QByteArray& text, const QByteArray& more)
{
    return OpenWithData("Format=" + format + "\r\nCarrierIDLength=" + length +
                        "\r\nCarrierID=" + text + "\r\n" + more);
}

void ReaderOperationsFixture::SetReaderPage(int page, const QByteArray& hex) const
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    ReaderEmulator::Page content{};
    for (std::size_t i = 0; i < content.size() && i < std::size_t(bytes.size()); ++i)
        content[i] = static_cast<std::uint8_t>(bytes[qsizetype(i)]);
    reader->Configure([&](ReaderEmulator& emulator) { emulator.SetPageContent(page, content); });
}

QString ReaderOperationsFixture::CarrierIdShown() const
{
    return WidgetText(dialog->GetDlgItem(ControlId::kCarrierIdField));
}

COLORREF ReaderOperationsFixture::CarrierIdColour() const
{
    return dialog->carrierIdField.backgroundColor;
}

QString ReaderOperationsFixture::LengthShown() const
{
    return WidgetText(dialog->GetDlgItem(ControlId::kCarrierIdLengthField));
}

bool ReaderOperationsFixture::CarrierIdHasFocus() const
{
    return QApplication::focusWidget() == dialog->GetDlgItem(ControlId::kCarrierIdField);
}
