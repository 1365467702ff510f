// Step tables of the earlier program's transfers: the earlier radio's identity and the
// earlier program's message caption.
#include "transfer/StepTables.h"
#include "earlier/EarlierProgram.h"

const ReadStepTable& Earlier::ReadSteps() {
    static const ReadStepTable t = [] {
        ReadStepTable r = ::ReadSteps();
        r.Title = "WYX-R2";
        r.Identity = "VQ-R2";
        return r;
    }();
    return t;
}

const WriteStepTable& Earlier::WriteSteps() {
    static const WriteStepTable t = [] {
        WriteStepTable w = ::WriteSteps();
        w.Title = "WYX-R2";
        w.Identity = "ID VQ-R2";
        return w;
    }();
    return t;
}
