#pragma once

#include "output/RecordSheet.h"
#include "output/RosterSummary.h"

#include <QImage>
#include <QPageSize>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

class QPagedPaintDevice;

namespace aw {

// The record sheet of a roster line's design (asked once per line, whatever its quantity).
using RosterSheetSource = std::function<QImage(const RosterLine &line)>;

// Opens the line's design as the editor does and draws its record sheet on the given
// layout, as the editor prints it. Throws when the design cannot be read.
RosterSheetSource RosterSheetsOnLayout(SheetLayoutSource layout);

// Paints the roster on a PDF writer or printer: the summary (more pages when it is long),
// then each readable entry's record sheet once per copy it fields. Returns the pages painted.
// Throws ArmorwrightError when the device cannot be painted on.
int PaintRoster(QPagedPaintDevice &device, const RosterSummary &summary, const RosterEvaluation &evaluation,
                const RosterSheetSource &sheets);

// The roster as a PDF made in memory and written atomically; returns its page count.
int RenderRosterToPdf(const std::string &path, const QPageSize &pageSize, const RosterSummary &summary,
                      const RosterEvaluation &evaluation, const RosterSheetSource &sheets);

} // namespace aw
