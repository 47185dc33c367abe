// Shows the real main window on an X server, grabs it from the screen and checks its colours: the
// page fields white, the labels' background black. With an output path it also saves the picture.
//   xvfb-run -a window_screenshot [picture.png]
#include "app/corvane_dlg.h"
#include "framework/dialog_window.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/command_ids.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void WriteSettings(const QString& folder, const QString& port)
{
    QByteArray text = "[Interface]\nPort=" + port.toUtf8() + "\nBaudrate=115200\n[Data]\n";
    for (int page = 1; page <= 17; ++page) {
        text += "SelectP" + QByteArray::number(page) + (page <= 4 ? "=1\n" : "=0\n");
        text += "P" + QByteArray::number(page) + "=" +
                QByteArray::number(0x1000000000000000ULL * (page % 16) + 0x0123456789ABULL, 16)
                    .toUpper()
                    .rightJustified(16, '0') +
                "\n";
    }
    text += "Format=0\nCarrierIDLength=4\nCarrierID=0A0B0C0D\nUID=E0040100\n[Terminal]\nSend=TOR\n";
    QFile file(QDir(folder).filePath(QStringLiteral("Orvane.ini")));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// The colour of the screen picture at a control's point (in control coordinates).
QColor ColourAt(const QImage& shot, const QWidget* window, const QWidget* control, QPoint point)
{
    const QPoint inWindow = control->mapTo(window, point);
    const qreal ratio = shot.devicePixelRatio();
    return shot.pixelColor(int(inWindow.x() * ratio), int(inWindow.y() * ratio));
}

bool Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    PtyReaderServer reader;
    QTemporaryDir folder;
    if (!reader.Start() || !folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::printf("FAILED: no simulated reader or temporary folder\n");
        return 2;
    }
    WriteSettings(folder.path(), reader.SlavePath());

    COrvaneDlg window;
    window.Create();
    window.DispatchCommand(CommandId::kTerminalShow);
    window.DispatchCommand(ControlId::kSendButton);
    DialogWindow* frame = window.GetSafeWidget();
    if (!QTest::qWaitForWindowExposed(frame)) {
        std::printf("FAILED: window not shown\n");
        return 2;
    }
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000 && window.terminal.outputText.isEmpty())
        QTest::qWait(20);
    QTest::qWait(300);

    const QImage shot = frame->screen()->grabWindow(frame->winId()).toImage();
    const QWidget* firstField = window.GetDlgItem(kPageRows[0].fieldId);
    const QWidget* lastField = window.GetDlgItem(kPageRows[16].fieldId);
    const QWidget* label = window.GetDlgItem(kPageRows[8].descriptionLabelId);
    const QWidget* lengthLabel = window.GetDlgItem(ControlId::kCarrierIdLengthLabel);
    const QPoint fieldEnd(firstField->width() - 6, firstField->height() / 2);
    const QPoint labelCorner(label->width() - 2, label->height() - 2);

    bool ok = true;
    ok &= Check(shot.width() >= 874, "grabbed the wide window");
    ok &= Check(ColourAt(shot, frame, firstField, fieldEnd) == Qt::white, "page field 1 is white");
    ok &= Check(ColourAt(shot, frame, lastField, fieldEnd) == Qt::white, "page field 17 is white");
    ok &=
        Check(ColourAt(shot, frame, label, labelCorner) == Qt::black, "description label is black");
    ok &= Check(ColourAt(shot, frame, lengthLabel, {1, 1}) == Qt::black, "length label is black");
    ok &= Check(ColourAt(shot, frame, frame->ClientArea(), {655, 380}) == Qt::black,
                "backdrop is black");
    if (!output.isEmpty())
        ok &= Check(shot.save(output), "picture saved");
    window.DestroyWindow();
    return ok ? 0 : 1;
}
