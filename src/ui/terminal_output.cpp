#include "ui/terminal_output.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int kMargin = 4; // between the frame and the text, as a text edit leaves it
constexpr int kHorizontalStep = 20;

// A text row: where it starts in its text and how long it is.
struct RowSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
};

// The rows of text in order, at most maxRows of them that end in a line break, then the text
// after the last break when it is not empty and fewer rows came. Returns whether that last row
// is such an open one.
bool SplitRows(QStringView text, int maxRows, std::vector<RowSpan>& rows)
{
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size() && std::ssize(rows) < maxRows) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            ++i;
            continue;
        }
        rows.push_back({start, i - start});
        i += (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                 ? 2
                 : 1;
        start = i;
    }
    if (std::ssize(rows) < maxRows && start < text.size()) {
        rows.push_back({start, text.size() - start});
        return true;
    }
    return false;
}

QString RawString(QStringView view)
{
    return QString::fromRawData(view.data(), view.size());
}

} // namespace

TerminalOutput::TerminalOutput(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(kHorizontalStep);
}

void TerminalOutput::PutOnTop(QStringView newestFirst, int maxLines)
{
    maxLines = std::max(1, maxLines);
    std::vector<RowSpan> rows;
    const bool open = SplitRows(newestFirst, maxLines, rows);
    if (rows.empty())
        return;
    const int top = verticalScrollBar()->value();
    qsizetype added = std::ssize(rows);
    // New text that fills the view alone leaves none of the old rows.
    if (!open && std::ssize(rows) == maxLines)
        ForgetRows();
    if (open) {
        const QStringView partial = newestFirst.sliced(rows.back().start, rows.back().length);
        rows.pop_back();
        if (RowCount() > 0) {
            // No break between the new text and the old top row: they are one row.
            chars.insert(rowEnds.back() - RowFromTop(0).size(), partial);
            rowEnds.back() += partial.size();
            --added;
        } else {
            AppendRow(partial);
            bottomOpen = true;
        }
    }
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        AppendRow(newestFirst.sliced(row->start, row->length));
    DropBeyondCap(maxLines);
    UpdateScrollBars();
    // Rows the operator scrolled to stay in view; at the top, the newest rows come into view.
    if (top > 0)
        verticalScrollBar()->setValue(top + int(added));
    viewport()->update();
}

void TerminalOutput::Clear()
{
    SetText({});
}

void TerminalOutput::SetText(QStringView text)
{
    ForgetRows();
    PutOnTop(text, INT_MAX);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QString TerminalOutput::Text() const
{
    QString text;
    text.reserve(chars.size() - (firstRow > 0 ? rowEnds[firstRow - 1] : 0) + 2 * RowCount());
    for (qsizetype i = 0; i < RowCount(); ++i) {
        text += RowFromTop(i);
        if (i + 1 < RowCount() || !bottomOpen)
            text += QLatin1StringView("\r\n");
    }
    return text;
}

QString TerminalOutput::SelectedText() const
{
    if (anchor == caret || RowCount() == 0)
        return {};
    const auto [top, bottom] = std::minmax(anchor, caret, ShownBefore);
    const Place upper = top;
    Place lower = bottom;
    const qint64 oldest = SerialOfRowFromTop(RowCount() - 1);
    if (upper.row < oldest)
        return {};
    if (lower.row < oldest)
        lower = Place{oldest, INT_MAX};
    QString text;
    for (qint64 serial = upper.row; serial >= lower.row; --serial) {
        const QStringView row = RowFromTop(SerialOfRowFromTop(0) - serial);
        const qsizetype from = serial == upper.row ? std::min(upper.column, row.size()) : 0;
        const qsizetype to = serial == lower.row ? std::min(lower.column, row.size()) : row.size();
        text += row.sliced(from, std::max<qsizetype>(0, to - from));
        if (serial != lower.row)
            text += QLatin1Char('\n');
    }
    return text;
}

bool TerminalOutput::ShownBefore(const Place& a, const Place& b)
{
    // The newest row is on top.
    return a.row != b.row ? a.row > b.row : a.column < b.column;
}

QStringView TerminalOutput::RowFromTop(qsizetype index) const
{
    const qsizetype stored = std::ssize(rowEnds) - 1 - index;
    const qsizetype start = stored > 0 ? rowEnds[stored - 1] : 0;
    return QStringView(chars).sliced(start, rowEnds[stored] - start);
}

qint64 TerminalOutput::SerialOfRowFromTop(qsizetype index) const
{
    return serialBase + std::ssize(rowEnds) - 1 - index;
}

void TerminalOutput::AppendRow(QStringView row)
{
    chars += row;
    rowEnds.push_back(chars.size());
}

void TerminalOutput::DropBeyondCap(int maxLines)
{
    const qsizetype ended = RowCount() - (bottomOpen ? 1 : 0);
    if (ended < maxLines)
        return;
    firstRow += RowCount() - maxLines;
    bottomOpen = false;
    // Moving the kept rows only once as many wait to be dropped keeps a row's cost constant.
    if (firstRow >= RowCount())
        Compact();
}

void TerminalOutput::Compact()
{
    const qsizetype cut = rowEnds[firstRow - 1];
    chars.remove(0, cut);
    rowEnds.erase(rowEnds.begin(), rowEnds.begin() + firstRow);
    for (qsizetype& end : rowEnds)
        end -= cut;
    serialBase += firstRow;
    firstRow = 0;
}

void TerminalOutput::ForgetRows()
{
    serialBase += std::ssize(rowEnds);
    chars.clear();
    rowEnds.clear();
    firstRow = 0;
    bottomOpen = false;
    widestRow = 0;
    anchor = caret = Place{serialBase, 0};
    selecting = false;
}

int TerminalOutput::RowHeight() const
{
    return std::max(1, fontMetrics().height());
}

int TerminalOutput::VisibleRows() const
{
    return std::max(1, (viewport()->height() - 2 * kMargin) / RowHeight());
}

void TerminalOutput::UpdateScrollBars()
{
    QScrollBar& vertical = *verticalScrollBar();
    vertical.setPageStep(VisibleRows());
    vertical.setRange(0, int(std::max<qsizetype>(0, RowCount() - VisibleRows())));
    QScrollBar& horizontal = *horizontalScrollBar();
    horizontal.setPageStep(viewport()->width());
    horizontal.setRange(0, std::max(0, widestRow + 2 * kMargin - viewport()->width()));
}

TerminalOutput::Place TerminalOutput::PlaceAt(QPoint viewportPoint) const
{
    if (RowCount() == 0)
        return Place{serialBase + firstRow, 0};
    const qsizetype index = std::clamp<qsizetype>((viewportPoint.y() - kMargin) / RowHeight() +
                                                      verticalScrollBar()->value(),
                                                  0, RowCount() - 1);
    const QString row = RawString(RowFromTop(index));
    const int x = viewportPoint.x() - kMargin + horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    qsizetype column = 0;
    // The place before the character whose middle lies right of the point.
    while (column < row.size()) {
        const int left = metrics.horizontalAdvance(row, int(column));
        const int right = metrics.horizontalAdvance(row, int(column + 1));
        if (x < (left + right) / 2)
            break;
        ++column;
    }
    return Place{SerialOfRowFromTop(index), column};
}

void TerminalOutput::SelectAll()
{
    if (RowCount() == 0)
        return;
    anchor = Place{SerialOfRowFromTop(0), 0};
    caret = Place{SerialOfRowFromTop(RowCount() - 1), RowFromTop(RowCount() - 1).size()};
    viewport()->update();
}

void TerminalOutput::CopySelection() const
{
    const QString text = SelectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TerminalOutput::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QFontMetrics metrics = fontMetrics();
    const QPalette& colours = palette();
    const auto [upper, lower] = std::minmax(anchor, caret, ShownBefore);
    const int left = kMargin - horizontalScrollBar()->value();
    const qsizetype first = verticalScrollBar()->value();
    const qsizetype last = std::min(RowCount(), first + VisibleRows() + 1);
    int widest = widestRow;
    painter.setPen(colours.color(QPalette::Text));
    for (qsizetype index = first; index < last; ++index) {
        const QString row = RawString(RowFromTop(index));
        const int top = kMargin + int(index - first) * RowHeight();
        const int baseline = top + metrics.ascent();
        painter.drawText(left, baseline, row);
        widest = std::max(widest, metrics.horizontalAdvance(row));
        const qint64 serial = SerialOfRowFromTop(index);
        if (anchor == caret || serial > upper.row || serial < lower.row)
            continue;
        const qsizetype from = serial == upper.row ? std::min(upper.column, row.size()) : 0;
        const qsizetype to = serial == lower.row ? std::min(lower.column, row.size()) : row.size();
        const int x = left + metrics.horizontalAdvance(row, int(from));
        const QString selected = row.sliced(from, to - from);
        // A row selected through its line break shows a little of the break selected too.
        const int width = metrics.horizontalAdvance(selected) +
                          (serial != lower.row ? metrics.horizontalAdvance(QLatin1Char(' ')) : 0);
        painter.fillRect(QRect(x, top, width, RowHeight()), colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(x, baseline, selected);
        painter.setPen(colours.color(QPalette::Text));
    }
    if (widest > widestRow) {
        widestRow = widest;
        UpdateScrollBars();
    }
}

void TerminalOutput::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TerminalOutput::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Taken, as a multi-line field takes it, and read-only: nothing happens.
    } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->setValue(0);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TerminalOutput::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    caret = PlaceAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor = caret;
    selecting = true;
    viewport()->update();
}

void TerminalOutput::mouseMoveEvent(QMouseEvent* event)
{
    if (!selecting)
        return;
    const QPoint point = event->position().toPoint();
    // Dragging past the top or bottom edge scrolls towards it.
    if (point.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (point.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    caret = PlaceAt(point);
    viewport()->update();
}

void TerminalOutput::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !selecting)
        return;
    selecting = false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (const QString text = SelectedText(); !text.isEmpty() && clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

void TerminalOutput::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || RowCount() == 0)
        return;
    const Place place = PlaceAt(event->position().toPoint());
    const QStringView row = RowFromTop(SerialOfRowFromTop(0) - place.row);
    anchor = Place{place.row, 0};
    caret = Place{place.row, row.size()};
    viewport()->update();
}

void TerminalOutput::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, [this] { CopySelection(); });
    copy->setEnabled(!SelectedText().isEmpty());
    menu.addAction(tr("Select All"), this, [this] { SelectAll(); });
    menu.exec(event->globalPos());
}
