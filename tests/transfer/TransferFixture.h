// A main window with its transfer forms, a simulated radio on COM1, and the comparison of the
// document with what the radio holds. Transfers run as the user starts them (Read1Click,
// Write1Click), with the forms' real modal loops, driven by the radio's replies.
#pragma once
#include "editor/MainForm.h"
#include "tools/radio_sim/Environment.h"
#include "tools/radio_sim/RadioSim.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The program whose main window and transfer forms the tests drive; each test program that
// uses this fixture names its own.
const TProgramVariant& TransferProgram();

class TransferTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts a simulated radio and points COM1 at it.
    radiosim::RadioSim& StartRadio(radiosim::RadioState state, radiosim::Faults faults = {});
    // Lays the document out for a radio type, as a document of that type would be.
    static void UseDocumentType(const AnsiString& type);
    // Radio > Read / Radio > Write (answering Yes to the question) as the user would.
    void Read();
    void Write();
    // Runs the event loop until done() holds; false after the time limit.
    static bool RunUntil(const std::function<bool()>& done, int ms = 10000);
    // The message-box texts shown so far.
    static std::vector<AnsiString> Messages();

    std::unique_ptr<radiosim::RadioSim> radio_;
};

// Presses the form's Cancel when command line `at` arrives, before its answer goes out.
radiosim::Faults CancelAt(TTransferForm* form, int at);

// Radio types of the sample radios by region.
AnsiString SampleType(char region);

// The document holds what the radio holds, slot by slot, as a read reshapes it.
void ExpectDocumentEqualsRadio(const radiosim::RadioState& s);
// Every record and menu slot of the document, for comparing two documents.
std::vector<AnsiString> DocumentSlots();
void ExpectSameSlots(const std::vector<AnsiString>& got, const std::vector<AnsiString>& want);

// The write commands of the document's records, written out from the write sequences: the
// memory channels and scan-edge rows (a row without frequency gets its bare clear when
// clearEmptyRows, else nothing), the CALL records (none for region '3'), and the VFOs with their
// output power, the programmable VFOs and the DTMF memories.
std::vector<std::string> ChannelWriteLines(bool clearEmptyRows);
std::vector<std::string> CallWriteLines();
std::vector<std::string> VfoToDtmfWriteLines();
