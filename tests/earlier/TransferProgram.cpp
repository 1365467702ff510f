#include "earlier/EarlierProgram.h"
#include "tests/transfer/TransferFixture.h"

const TProgramVariant& TransferProgram() {
    return EarlierProgram();
}
