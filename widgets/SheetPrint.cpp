#include "SheetPrint.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

#include "AppInfo.h"
#include "UiStyle.h"

namespace SheetPrint {

namespace {

constexpr double ScreenDpi = 96.0;
constexpr int TitleHeight = 28;
constexpr int FooterHeight = 22;
constexpr double MarginMm = 10.0;

// Blocks of whole items [first, last] beyond the fixed ones that fit `room` each.
std::vector<std::pair<int, int>> blocks(const std::vector<int>& sizes, int fixed, int room)
{
    const int fixedSize = std::accumulate(sizes.begin(), sizes.begin() + std::min<std::size_t>(fixed, sizes.size()), 0);
    std::vector<std::pair<int, int>> out;
    int first = fixed;
    const int count = static_cast<int>(sizes.size());
    while (first < count) {
        int used = fixedSize + sizes[std::size_t(first)];
        int last = first;
        while (last + 1 < count && used + sizes[std::size_t(last + 1)] <= room)
            used += sizes[std::size_t(++last)];
        out.emplace_back(first, last);
        first = last + 1;
    }
    return out;
}

QString pageNumberText(int page, int count)
{
    return QCoreApplication::translate("SheetPrint", "Страница %1 из %2").arg(page).arg(count);
}

// Lays out the items [0, fixed) and [first, last] one after the other from `start`.
std::vector<std::pair<int, int>> positions(const std::vector<int>& sizes, int fixed, int first, int last, int start)
{
    std::vector<std::pair<int, int>> out; // (item, position)
    int at = start;
    auto add = [&](int item) {
        out.emplace_back(item, at);
        at += sizes[std::size_t(item)];
    };
    for (int item = 0; item < fixed; ++item)
        add(item);
    for (int item = first; item <= last; ++item)
        add(item);
    return out;
}

} // namespace

std::vector<Page> pages(const TableSheet& sheet, QSize area)
{
    const int tableHeight = area.height() - TitleHeight - FooterHeight;
    std::vector<Page> out;
    for (const auto& [firstColumn, lastColumn] : blocks(sheet.columnWidths, sheet.fixedColumns, area.width()))
        for (const auto& [firstRow, lastRow] : blocks(sheet.rowHeights, sheet.fixedRows, tableHeight))
            out.push_back({firstRow, lastRow, firstColumn, lastColumn});
    return out;
}

void setUpPage(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
}

void paint(QPagedPaintDevice& device, const TableSheet& sheet)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const double scale = device.logicalDpiX() / ScreenDpi;
    const QSize area(int(device.width() / scale), int(device.height() / scale));
    const std::vector<Page> all = pages(sheet, area);
    const QFont titleFont = UiStyle::sansFont(14, true);
    const QFont footerFont = UiStyle::sansFont(11);
    for (std::size_t number = 0; number < all.size(); ++number) {
        if (number > 0)
            device.newPage();
        const Page& page = all[number];
        painter.save();
        painter.scale(scale, scale);
        painter.setPen(UiStyle::Black);
        painter.setFont(titleFont);
        painter.drawText(QRect(0, 0, area.width(), TitleHeight), Qt::AlignLeft | Qt::AlignTop, sheet.title);
        for (const auto& [row, y] : positions(sheet.rowHeights, sheet.fixedRows, page.firstRow, page.lastRow, TitleHeight))
            for (const auto& [column, x] : positions(sheet.columnWidths, sheet.fixedColumns, page.firstColumn,
                                                     page.lastColumn, 0)) {
                const QRect cell(x, y, sheet.columnWidths[std::size_t(column)], sheet.rowHeights[std::size_t(row)]);
                painter.save();
                painter.setClipRect(cell);
                sheet.paintCell(painter, cell, row, column);
                painter.restore();
            }
        painter.setPen(UiStyle::Black);
        painter.setFont(footerFont);
        painter.drawText(QRect(0, area.height() - FooterHeight, area.width(), FooterHeight),
                         Qt::AlignRight | Qt::AlignBottom, pageNumberText(int(number) + 1, int(all.size())));
        painter.restore();
    }
}

bool writePdf(const TableSheet& sheet, const QString& path)
{
    {
        QPdfWriter writer(path);
        writer.setTitle(sheet.title);
        writer.setCreator(QString::fromUtf8(AppInfo::Name));
        setUpPage(writer);
        paint(writer, sheet);
    }
    return QFileInfo(path).size() > 0;
}

} // namespace SheetPrint
