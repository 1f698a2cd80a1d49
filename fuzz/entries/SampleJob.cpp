#include "fuzz/entries/SampleJob.h"

#include "fuzz/entries/SampleDesigns.h"
#include "output/PrintJob.h"

namespace samples {

const TPrintJob &EverythingJob()
{
    static const TPrintJob job = [] {
        for (TSampleDesign &design : SampleDesigns())
            if (design.Name == "everything")
                return MakePrintJob(*design.Vehicle);
        return TPrintJob();
    }();
    return job;
}

} // namespace samples
