#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <QStringView>
#include <vector>

// A read-only view of text that grows at the top and keeps only its newest lines, for a stream of
// lines that must cost little however long it runs: it holds the lines in one buffer and lays out
// and paints only the rows in view. The operator scrolls it and selects and copies its text with
// the mouse and the keyboard; Enter goes no further than the view. GUI thread only.
//
// A line break is CR LF, LF or a lone CR. Rows are kept bottom (oldest) first, so new rows are
// appended and the oldest dropped from the front of the buffer, which is compacted now and then.
class TerminalOutput final : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TerminalOutput(QWidget* parent = nullptr);

    // Puts text (newest line first) in front of the text shown, then drops what follows the
    // maxLines-th line break. Text without a final break runs on into the line that was at the
    // top. The rows in view stay in view; a view at its top stays at the top. The work grows with
    // the text put on top (at most maxLines of its lines), not with the text already shown.
    void PutOnTop(QStringView newestFirst, int maxLines);
    // Replaces the text in full and shows its top; the selection goes.
    void SetText(QStringView text);
    void Clear();
    // The text shown, newest line first, each line break as CR LF.
    QString Text() const;
    // The text of the selection, rows joined by LF; empty without a selection.
    QString SelectedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A place in the text: a row counted from the first row ever stored (so it stays on its text
    // while rows come and go) and a character in it.
    struct Place
    {
        qint64 row = 0;
        qsizetype column = 0;
        auto operator<=>(const Place&) const = default;
    };

    static bool ShownBefore(const Place& a, const Place& b);
    qsizetype RowCount() const { return std::ssize(rowEnds) - firstRow; }
    // The row at index from the top (0 is the newest); index below RowCount().
    QStringView RowFromTop(qsizetype index) const;
    qint64 SerialOfRowFromTop(qsizetype index) const;

    void AppendRow(QStringView row);
    void DropBeyondCap(int maxLines);
    void Compact();
    void ForgetRows();

    int RowHeight() const;
    int VisibleRows() const;
    void UpdateScrollBars();
    Place PlaceAt(QPoint viewportPoint) const;
    void SelectAll();
    void CopySelection() const;

    QString chars;                  // the rows' characters back to back, bottom row first
    std::vector<qsizetype> rowEnds; // where each row ends in chars
    qsizetype firstRow = 0;         // rows before it were dropped and wait for compaction
    qint64 serialBase = 0;          // the serial of rowEnds[0]'s row
    bool bottomOpen = false;        // the bottom row has no line break after it
    int widestRow = 0;              // in pixels, of the rows painted so far

    Place anchor; // where the selection started
    Place caret;  // where it ends; anchor == caret is no selection
    bool selecting = false;
};
