#include "transfer/Reshape.h"

#include <algorithm>
#include <vector>

namespace reshape {

namespace {

// Positions of the commas of a text.
std::vector<size_t> Commas(const AnsiString& t) {
    std::vector<size_t> at;
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i] == ',') at.push_back(i);
    return at;
}

AnsiString Replace(AnsiString v, char from, char to) {
    std::replace(v.begin(), v.end(), from, to);
    return v;
}

} // namespace

void Bound(AnsiString& text) {
    if (text.size() > kRecordCapacity) text.resize(kRecordCapacity);
}

void NormalizeMemoryReply(AnsiString& record, char region) {
    std::vector<size_t> c = Commas(record);
    if (c.size() >= 11) {
        size_t start = c[10] + 1;
        size_t end = c.size() > 11 ? c[11] : record.size();
        if (start == end) {
            const char hundreds =
                c[0] + 3 < (c.size() > 1 ? c[1] : record.size()) ? record[c[0] + 3] : '\0';
            const char* offset = hundreds <= '2' ? "000600000"
                                 : region == '3' ? "001600000"
                                                 : "005000000";
            record.insert(start, offset);
        }
    }
    Bound(record);
}

void SwapTwelfthField(AnsiString& record) {
    std::vector<size_t> c = Commas(record);
    if (c.size() < 13) return; // no field 13
    size_t end13 = c.size() > 13 ? c[13] : record.size();
    AnsiString f12 = record.substr(c[11] + 1, c[12] - c[11] - 1);
    AnsiString f13 = record.substr(c[12] + 1, end13 - c[12] - 1);
    record = record.substr(0, c[11] + 1) + f13 + "," + f12 + record.substr(end13);
}

void ReorderVfoReply(AnsiString& record) {
    std::vector<size_t> c = Commas(record);
    if (c.size() < 12) return;
    record.insert(c[11] + 1, ",");
    record.pop_back();
    Bound(record);
}

AnsiString FirstAboveOneToZero(AnsiString v) {
    if (!v.empty() && static_cast<unsigned char>(v[0]) > '1') v[0] = '0';
    return v;
}

AnsiString EmptyToZero(AnsiString v) {
    return v.empty() ? "0" : v;
}

AnsiString TrimTrailingBlanks(AnsiString v) {
    while (v.size() > 1 && v.back() == ' ')
        v.pop_back();
    return v;
}

AnsiString PositionCommentFromRadio(const AnsiString& v) {
    if (v == "14") return "7";
    if (v.size() >= 2 && v.compare("06") <= 0) return v.substr(1, 1);
    return "0";
}

AnsiString GpsUnitFromRadio(AnsiString v) {
    if (!v.empty() && v[0] == '2') v[0] = '1';
    return v;
}

AnsiString TxIntervalFromRadio(AnsiString v) {
    if (v.empty() || v[0] == '0') return v;
    if (v[0] == '\x01') return ""; // would become a terminator
    --v[0];
    return v;
}

AnsiString DtmfCodeFromRadio(AnsiString v) {
    return Replace(Replace(std::move(v), 'E', '*'), 'F', '#');
}

AnsiString BeepToRadio(AnsiString v) {
    if (!v.empty() && static_cast<unsigned char>(v[0]) > '1') v[0] = '1';
    return v;
}

AnsiString PositionCommentToRadio(const AnsiString& v) {
    return v == "7" ? "14" : "0" + v;
}

AnsiString TxIntervalToRadio(AnsiString v) {
    if (!v.empty() && v[0] != '\xFF') ++v[0];
    return v;
}

AnsiString DtmfCodeToRadio(AnsiString v) {
    return Replace(Replace(std::move(v), '*', 'E'), '#', 'F');
}

} // namespace reshape
