#include "output/RosterPages.h"

#include "base/ArmorwrightError.h"
#include "engine/OpenedDesignFile.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetFiles.h"
#include "output/RosterTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace aw {

namespace {

// Lays the summary out top to bottom, starting a new page when the next line does not fit.
class SummaryPainter {
public:
    SummaryPainter(QPainter &painter, QPagedPaintDevice &device) : m_painter(painter), m_device(device)
    {
        const int margin = device.logicalDpiX() / 2;
        m_area = QRect(margin, margin, device.width() - 2 * margin, device.height() - 2 * margin);
        m_y = m_area.top();
    }

    int Pages() const { return m_pages; }

    void Title(const std::string &text)
    {
        setFont(16, true);
        const int height = lineHeight();
        // A title wider than the page wraps onto more lines rather than being cut.
        const QString title = QString::fromStdString(text);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        const int wrapped = std::max(
            height, m_painter.boundingRect(QRect(m_area.left(), m_y, m_area.width(), height), flags, title).height());
        m_painter.drawText(QRect(m_area.left(), m_y, m_area.width(), wrapped), flags, title);
        m_y += wrapped + height / 2;
    }

    // The columns' widths and the cells' texts, from the widest text each column has.
    RosterTableLayout Table(const RosterSummary &summary) const
    {
        const QFontMetricsF header(font(8, true), &m_device);
        const QFontMetricsF body(font(8, false), &m_device);
        return LayOutRosterTable(summary, header, body, m_area.width(), columnGap());
    }

    void Row(const std::vector<QString> &cells, const std::vector<int> &widths, bool header)
    {
        setFont(8, header);
        const int height = lineHeight();
        ensureRoom(height);
        int x = m_area.left();
        for (size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
            const int width = widths[i];
            const QRect cell(x, m_y, width - columnGap(), height);
            m_painter.drawText(cell, (IsRosterNumberColumn(i) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                               cells[i]);
            x += width;
        }
        m_y += height;
        if (header) {
            m_painter.drawLine(m_area.left(), m_y, m_area.right(), m_y);
            m_y += height / 4;
        }
    }

    void Total(const RosterSummary::Total &total)
    {
        setFont(10, total.Warning);
        const int height = lineHeight();
        ensureRoom(height);
        m_painter.setPen(total.Warning ? QColor(0xc0, 0, 0) : QColor(Qt::black));
        const int captionWidth = m_area.width() / 4;
        m_painter.drawText(QRect(m_area.left(), m_y, captionWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromStdString(total.Caption + ":"));
        m_painter.drawText(QRect(m_area.left() + captionWidth, m_y, m_area.width() - captionWidth, height),
                           Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(total.Value));
        m_painter.setPen(Qt::black);
        m_y += height;
    }

    void Gap() { m_y += lineHeight(); }

private:
    static QFont font(double points, bool bold)
    {
        QFont font(QStringLiteral("Sans Serif"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }
    void setFont(double points, bool bold) { m_painter.setFont(font(points, bold)); }
    int lineHeight() const { return m_painter.fontMetrics().height() * 5 / 4; }
    int columnGap() const { return m_device.logicalDpiX() / 16; }
    void ensureRoom(int height)
    {
        if (m_y + height <= m_area.bottom())
            return;
        if (!m_device.newPage())
            throw ArmorwrightError("A new page could not be started.");
        ++m_pages;
        m_y = m_area.top();
    }

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    QRect m_area;
    int m_y = 0;
    int m_pages = 1;
};

} // namespace

RosterSheetSource RosterSheetsOnLayout(SheetLayoutSource layout)
{
    return [layout = std::move(layout)](const RosterLine &line) {
        OpenedDesignFile opened = OpenAsEditor(line.Entry.Design);
        return BuildSheetImageFromLayout(MakePrintJob(*opened.Design), layout);
    };
}

int PaintRoster(QPagedPaintDevice &device, const RosterSummary &summary, const RosterEvaluation &evaluation,
                const RosterSheetSource &sheets)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw ArmorwrightError("The roster could not be printed: the page could not be started.");
    SummaryPainter page(painter, device);
    page.Title(summary.Title);
    const RosterTableLayout table = page.Table(summary);
    page.Row(table.Header, table.Widths, true);
    for (const auto &row : table.Rows)
        page.Row(row, table.Widths, false);
    page.Gap();
    for (const RosterSummary::Total &total : summary.Totals)
        page.Total(total);
    int pages = page.Pages();
    for (const RosterLine &line : evaluation.Lines) {
        if (!line.Readable())
            continue;
        const QImage sheet = sheets(line);
        for (int copy = 0; copy < line.Entry.Quantity; ++copy) {
            if (!device.newPage())
                throw ArmorwrightError("A new page could not be started.");
            PaintSheetOnPage(painter, sheet, QRect(0, 0, device.width(), device.height()));
            ++pages;
        }
    }
    if (!painter.end())
        throw ArmorwrightError("The roster could not be printed: the document could not be finished.");
    return pages;
}

int RenderRosterToPdf(const std::string &path, const QPageSize &pageSize, const RosterSummary &summary,
                      const RosterEvaluation &evaluation, const RosterSheetSource &sheets)
{
    int pages = 0;
    WritePdf(path, pageSize, QString::fromStdString(summary.Title),
             [&](QPdfWriter &writer) { pages = PaintRoster(writer, summary, evaluation, sheets); });
    return pages;
}

} // namespace aw
