#include "tests/transfer/TransferFixture.h"

const TProgramVariant& TransferProgram() {
    return LaterProgram();
}
