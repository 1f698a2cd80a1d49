#pragma once

struct TPrintJob;

namespace samples {
// The print job of the sample design with every kind of content (made once).
const TPrintJob &EverythingJob();
} // namespace samples
