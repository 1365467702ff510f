#include "platform/TestSeam.h"

DialogSeam& TestSeam() {
    static DialogSeam seam;
    return seam;
}
