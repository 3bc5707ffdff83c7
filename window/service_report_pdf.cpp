#include "window/service_report_pdf.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
constexpr int kResolution = 150;
constexpr int kCellPadding = 6;

QFont Font(int points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// One pass down the pages: a cursor that starts a new page where the next piece does not fit.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, QPainter& painter, const QString& title)
        : writer_(writer), painter_(painter), title_(title),
          area_(writer.pageLayout().paintRectPixels(kResolution)) {
        area_.moveTo(0, 0);
        painter_.setFont(Font(7));
        footer_ = painter_.fontMetrics().height() * 2;
        area_.setBottom(area_.bottom() - footer_);
        y_ = area_.top();
    }

    int Width() const { return area_.width(); }

    // Height more pixels would run past the page's foot.
    bool Breaks(int height) const { return y_ + height > area_.bottom() && y_ > area_.top(); }

    // Room for height more pixels, on a new page if need be.
    int Take(int height) {
        if (Breaks(height))
            NewPage();
        const int top = y_;
        y_ += height;
        return top;
    }

    void Space(int height) { y_ = std::min(y_ + height, area_.bottom()); }

    void NewPage() {
        PageNumber();
        writer_.newPage();
        ++page_;
        y_ = area_.top();
    }

    void Finish() { PageNumber(); }

private:
    void PageNumber() {
        painter_.setFont(Font(7));
        painter_.setPen(Qt::darkGray);
        const QRect footer(0, area_.bottom() + footer_ / 2, area_.width(), footer_ / 2);
        painter_.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("%1 - page %2").arg(title_).arg(page_));
        painter_.setPen(Qt::black);
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    QString title_;
    QRect area_;
    int footer_ = 0;
    int y_ = 0;
    int page_ = 1;
};

void DrawLines(PageFlow& flow, QPainter& painter, const QStringList& lines) {
    painter.setFont(Font(9));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const QString& line : lines) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, flow.Width(), 100000), Qt::TextWordWrap, line);
        const int height = std::max(needed.height(), metrics.height());
        const QRect place(0, flow.Take(height), flow.Width(), height);
        painter.drawText(place, Qt::TextWordWrap, line);
    }
}

// Columns as wide as their widest text; where the page is too narrow the widest give way
// first, down to a common width, and a cell that still does not fit is cut with an ellipsis.
QList<int> ColumnWidths(const ReportTable& table, QPainter& painter, int width) {
    QList<int> widths;
    for (qsizetype column = 0; column < table.header.size(); ++column) {
        painter.setFont(Font(7, true));
        int widest = painter.fontMetrics().horizontalAdvance(table.header[column]);
        painter.setFont(Font(7));
        for (const QStringList& row : table.rows)
            widest = std::max(widest, painter.fontMetrics().horizontalAdvance(row.value(column)));
        widths << widest + 2 * kCellPadding + 1;
    }
    QList<int> sorted = widths;
    std::ranges::sort(sorted);
    int room = width;
    int cap = width;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const int share = room / int(sorted.size() - i);
        if (sorted[i] > share) {
            cap = share;
            break;
        }
        room -= sorted[i];
    }
    for (int& w : widths)
        w = std::min(w, cap);
    return widths;
}

void DrawRow(QPainter& painter, const QStringList& cells, const QList<int>& widths, int top,
             int height) {
    int left = 0;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        const QRect cell(left, top, widths[column], height);
        painter.drawRect(cell);
        const QRect text = cell.adjusted(kCellPadding, 0, -kCellPadding, 0);
        painter.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(cells.value(column), Qt::ElideRight, text.width()));
        left += widths[column];
    }
}

void DrawTable(PageFlow& flow, QPainter& painter, const ReportTable& table) {
    if (table.header.isEmpty())
        return;
    const QList<int> widths = ColumnWidths(table, painter, flow.Width());
    const int height = painter.fontMetrics().height() * 3 / 2;
    const auto header = [&] {
        painter.setFont(Font(7, true));
        painter.setBrush(QColor(224, 224, 224));
        DrawRow(painter, table.header, widths, flow.Take(height), height);
        painter.setBrush(Qt::NoBrush);
        painter.setFont(Font(7));
    };
    header();
    for (const QStringList& row : table.rows) {
        // A table going on to a new page repeats its header there.
        if (flow.Breaks(height)) {
            flow.NewPage();
            header();
        }
        DrawRow(painter, row, widths, flow.Take(height), height);
    }
}

void DrawPicture(PageFlow& flow, QPainter& painter, const ReportPicture& picture) {
    painter.setFont(Font(9, true));
    const int captionHeight = painter.fontMetrics().height() * 3 / 2;
    const QSize size = picture.image.size().scaled(flow.Width(), 100000, Qt::KeepAspectRatio);
    const int top = flow.Take(captionHeight + size.height());
    painter.drawText(QRect(0, top, flow.Width(), captionHeight), Qt::AlignLeft | Qt::AlignTop,
                     picture.caption);
    painter.drawImage(QRect(QPoint(0, top + captionHeight), size), picture.image);
    flow.Space(captionHeight);
}
} // namespace

bool WriteServiceReportPdf(QIODevice& device, const ServiceReport& report,
                           const QList<ReportPicture>& pictures) {
    QPdfWriter writer(&device);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("Vantor 12 Setup and Monitoring"));
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PageFlow flow(writer, painter, report.title);

    painter.setFont(Font(16, true));
    const int titleHeight = painter.fontMetrics().height() * 2;
    painter.drawText(QRect(0, flow.Take(titleHeight), flow.Width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, report.title);
    for (const ReportSection& section : report.sections) {
        painter.setFont(Font(11, true));
        const int height = painter.fontMetrics().height() * 3 / 2;
        // A title never stands alone at the foot of a page.
        if (flow.Breaks(height * 3))
            flow.NewPage();
        const int top = flow.Take(height);
        painter.drawText(QRect(0, top, flow.Width(), height), Qt::AlignLeft | Qt::AlignBottom,
                         section.title);
        DrawLines(flow, painter, section.lines);
        if (!section.lines.isEmpty() && !section.table.header.isEmpty())
            flow.Space(height / 3);
        DrawTable(flow, painter, section.table);
        flow.Space(height / 2);
    }
    if (!pictures.isEmpty())
        flow.NewPage();
    for (const ReportPicture& picture : pictures)
        DrawPicture(flow, painter, picture);
    flow.Finish();
    return painter.end();
}
