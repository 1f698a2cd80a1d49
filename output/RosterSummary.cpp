#include "output/RosterSummary.h"

#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/NumberFormat.h"
#include "output/HtmlSheet.h"

#include <algorithm>
#include <filesystem>

namespace aw {

namespace {

// Characters of a UTF-8 text, for aligning columns.
size_t CharacterCount(const std::string &text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string &text, size_t width, bool right)
{
    const std::string fill(width - std::min(width, CharacterCount(text)), ' ');
    return right ? fill + text : text + fill;
}

} // namespace

RosterSummary MakeRosterSummary(const std::string &name, const RosterEvaluation &evaluation)
{
    RosterSummary summary;
    summary.Title = name;
    summary.Headers = {"Design", "File", "Qty", "TV", "Cost", "Note", "Status"};
    for (const RosterLine &line : evaluation.Lines) {
        const std::string file = std::filesystem::path(line.Entry.Design).filename().string();
        const bool readable = line.Readable();
        std::vector<std::string> cells = {
            readable ? cp1252::ToUtf8(line.Summary.Name) : std::string(),
            cp1252::FileNameToUtf8(file),
            number::Integer(line.Entry.Quantity),
            readable ? RosterThreatValueText(line.ThreatValue) : std::string(),
            readable ? cp1252::ToUtf8(RosterCostText(line.Cost, line.Summary.CurrencyName)) : std::string(),
            line.Entry.Note,
            readable ? std::string() : line.Summary.Error};
        // A line break in a name or note would split the text row and squeeze two lines into
        // one row of the PDF.
        for (std::string &cell : cells)
            cell = OneLineText(std::move(cell));
        summary.Rows.push_back(std::move(cells));
    }
    const RosterTotals &totals = evaluation.Totals;
    summary.Totals.push_back({"Total TV", RosterThreatValueText(totals.ThreatValue)});
    if (totals.Budget) {
        summary.Totals.push_back({"Budget", RosterThreatValueText(*totals.Budget)});
        if (totals.OverBudget())
            summary.Totals.push_back({"Over budget by", RosterThreatValueText(-*totals.Remaining), true});
        else
            summary.Totals.push_back({"Remaining", RosterThreatValueText(*totals.Remaining)});
    }
    for (const auto &[currency, cost] : totals.Costs)
        summary.Totals.push_back({"Total cost", cp1252::ToUtf8(RosterCostText(cost, currency))});
    if (totals.Unreadable > 0)
        summary.Totals.push_back({"Not counted", number::Integer(totals.Unreadable) + " missing or damaged", true});
    return summary;
}

std::string RosterSummaryText(const RosterSummary &summary)
{
    std::vector<size_t> widths;
    for (const std::string &header : summary.Headers)
        widths.push_back(CharacterCount(header));
    for (const auto &row : summary.Rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], CharacterCount(row[i]));
    auto line = [&](const std::vector<std::string> &cells) {
        std::string text;
        for (size_t i = 0; i < cells.size(); ++i)
            text += (i ? "  " : "") + Padded(cells[i], widths[i], IsRosterNumberColumn(i));
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text + "\n";
    };
    std::string text = "Roster: " + summary.Title + "\n\n" + line(summary.Headers);
    for (const auto &row : summary.Rows)
        text += line(row);
    size_t captionWidth = 0;
    for (const RosterSummary::Total &total : summary.Totals)
        captionWidth = std::max(captionWidth, CharacterCount(total.Caption));
    text += "\n";
    for (const RosterSummary::Total &total : summary.Totals)
        text += Padded(total.Caption + ":", captionWidth + 1, false) + "  " + total.Value + "\n";
    return text;
}

std::string RosterSummaryHtml(const RosterSummary &summary)
{
    auto cell = [](const char *tag, const std::string &text, bool right) {
        return std::string("<") + tag + (right ? " class=\"number\">" : ">") + HtmlEscape(text) + "</" + tag + ">";
    };
    const std::string title = HtmlEscape(summary.Title);
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
                       "</title>\n<style>\ntable { border-collapse: collapse; }\nth, td { border: 1px solid #888; "
                       "padding: 2px 6px; }\n.number { text-align: right; }\n.warning { color: #c00000; "
                       "font-weight: bold; }\n</style>\n</head>\n<body>\n<h1>" +
                       title + "</h1>\n<table>\n<tr>";
    for (size_t i = 0; i < summary.Headers.size(); ++i)
        html += cell("th", summary.Headers[i], false);
    html += "</tr>\n";
    for (const auto &row : summary.Rows) {
        html += "<tr>";
        for (size_t i = 0; i < row.size(); ++i)
            html += cell("td", row[i], IsRosterNumberColumn(i));
        html += "</tr>\n";
    }
    html += "</table>\n<table class=\"totals\">\n";
    for (const RosterSummary::Total &total : summary.Totals)
        html += std::string(total.Warning ? "<tr class=\"warning\">" : "<tr>") + cell("th", total.Caption, false) +
                cell("td", total.Value, true) + "</tr>\n";
    return html + "</table>\n</body>\n</html>\n";
}

} // namespace aw
