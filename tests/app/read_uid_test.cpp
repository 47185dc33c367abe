#include "app/reader_operations_fixture.h"

#include "framework/widget_text.h"
#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;

const QString kUidEcho = QStringLiteral("RUID // Read UID\r\n");

class ReadUidTest : public ReaderOperationsFixture
{
protected:
    COLORREF UidColour() const { return dialog->uidField.backgroundColor; }
    QString UidShown() const { return WidgetText(dialog->GetDlgItem(kUidField)); }
};

TEST_F(ReadUidTest, ShowsTheAnswerAsItCameGreenOnlyWhenItIsAGoodUid)
{
    struct Case
    {
        QByteArray answer; // empty: the reader stays silent
        QString uid;
        COLORREF colour;
    };
    const Case cases[] = {
        {"E0040100\r", "E0040100", kColourGreen},
        {"E0040100FF\r", "E0040100", kColourGreen},
        // 6 and 7 characters reach 8 only with the line end, which the field never shows.
        {"ABCDEF\r", "ABCDEF", kColourRed},
        {"ABCDEFG\r", "ABCDEFG", kColourRed},
        {"ABCDE\r", "ABCDE", kColourRed},
        {"XXXXXXXX\r", "XXXXXXXX", kColourRed},
        {"No Read\r", "No Read", kColourRed},
        {"A#09BCDE\r", "A#09BCDE", kColourRed},
        {"", "", kColourRed},
    };
    // ASCII presentation does not apply to the UID.
    COrvaneDlg& window = OpenWithData("Format=1\r\nUID=old\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        reader->ClearReceivedBytes();
        window.uidField.SetBackgroundColor(c.colour == kColourRed ? kColourGreen : kColourRed);
        ScriptedReader scripted(*reader, ScriptWith([&](const QByteArray& command) {
            return command == "RUID" ? std::optional(c.answer) : std::nullopt;
        }));

        Click(kReadUidButton);

        EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\rRUID\r"));
        EXPECT_EQ(window.uidText, c.uid);
        EXPECT_EQ(UidColour(), c.colour);
        const QByteArray kept = c.answer.isEmpty() ? QByteArray() : (c.answer + '\n').left(8);
        EXPECT_EQ(window.terminal.outputText, kept + "\r\n" + kUidEcho);
        EXPECT_EQ(QApplication::focusWidget(), dialog->GetDlgItem(kUidField));
        EXPECT_EQ(window.TimeoutUnit, kShortTimeoutAnswer * kReadUidTimeoutFactor);
        EXPECT_FALSE(window.serialLink.receiveThread.IsBusy());
    }
    EXPECT_TRUE(presenter.shown.empty());
}

} // namespace
