#include "calendar/config_reader.h"

#include <array>

#include "calendar/config_text.h"
#include "calendar/weekday_letters.h"

namespace calendar {

namespace {

constexpr wchar_t FIELD_COUNT_MESSAGE[] = L"フィールド数が合っていません。：%d 行目";
constexpr wchar_t FIRST_FIELD_MESSAGE[] = L"第１フィールドが合っていません。：%d 行目";

// Kept by a "曜日" line whose weekday field is none of the letters: it marks no day.
constexpr int8_t NO_WEEKDAY = -1;
// Kept by a rule line whose fifth field is no rule keyword: it marks no day.
constexpr uint8_t NO_RULE = 0xFF;

struct RuleKeyword {
    std::wstring_view keyword;
    SpecialDayRule rule;
    size_t fieldCount;
};

constexpr std::array<RuleKeyword, 5> RULE_KEYWORDS = {{
    {L"日付", FixedDate, 7},
    {L"曜日", NthWeekday, 8},
    {L"計算", Computed, 8},
    {L"特殊１", SubstituteHoliday, 5},
    {L"特殊２", CitizensHoliday, 5},
}};

struct KindKeyword {
    std::wstring_view keyword;
    SpecialDayKind kind;
};

constexpr std::array<KindKeyword, 3> KIND_KEYWORDS = {{{L"祝日", Holiday}, {L"休日", RestDay}, {L"特別", Special}}};

bool isFieldSeparator(wchar_t c) { return c == L' ' || c == L'\t'; }

// The integer of a field, kept in the width of the record's field by its low bits.
template <class Field>
Field fieldValue(const std::wstring& text) {
    return static_cast<Field>(readInteger(text));
}

int8_t weekdayOf(const std::wstring& field) {
    for (size_t i = 0; i < WEEKDAY_LETTERS.size(); ++i) {
        if (field == WEEKDAY_LETTERS[i]) return static_cast<int8_t>(i);
    }
    return NO_WEEKDAY;
}

}  // namespace

std::vector<std::wstring> splitConfigLine(std::wstring_view line) {
    line = line.substr(0, line.find(L'#'));
    while (!line.empty() && isWideSpace(line.front())) line.remove_prefix(1);
    while (!line.empty() && isWideSpace(line.back())) line.remove_suffix(1);
    std::vector<std::wstring> fields;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isFieldSeparator(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !isFieldSeparator(line[i])) ++i;
        if (i > start) fields.emplace_back(line.substr(start, i - start));
    }
    return fields;
}

bool ConfigReader::readLine(std::wstring_view line) {
    ++lineNumber_;
    std::vector<std::wstring> fields = splitConfigLine(line);
    if (fields.empty()) return true;

    if (fields[0] == L"年号") {
        if (fields.size() != 8) return fail(FIELD_COUNT_MESSAGE);
        EraName era;
        era.name = fields[1];
        era.firstYear = fieldValue<uint16_t>(fields[2]);
        era.firstMonth = fieldValue<uint8_t>(fields[3]);
        era.firstDay = fieldValue<uint8_t>(fields[4]);
        era.lastYear = fieldValue<uint16_t>(fields[5]);
        era.lastMonth = fieldValue<uint8_t>(fields[6]);
        era.lastDay = fieldValue<uint8_t>(fields[7]);
        eraNames_.push_back(std::move(era));
        return true;
    }

    const KindKeyword* kind = nullptr;
    for (const KindKeyword& k : KIND_KEYWORDS) {
        if (fields[0] == k.keyword) kind = &k;
    }
    if (!kind) return fail(FIRST_FIELD_MESSAGE);
    if (fields.size() < 5) return fail(FIELD_COUNT_MESSAGE);

    SpecialDay record;
    record.name = fields[1];
    record.firstYear = fieldValue<uint16_t>(fields[2]);
    record.lastYear = fieldValue<uint16_t>(fields[3]);
    record.kind = kind->kind;
    record.rule = NO_RULE;
    for (const RuleKeyword& r : RULE_KEYWORDS) {
        if (fields[4] != r.keyword) continue;
        if (fields.size() != r.fieldCount) return fail(FIELD_COUNT_MESSAGE);
        record.rule = r.rule;
        switch (r.rule) {
            case FixedDate:
                record.month = fieldValue<int8_t>(fields[5]);
                record.day = fieldValue<int8_t>(fields[6]);
                break;
            case NthWeekday:
                record.month = fieldValue<int8_t>(fields[5]);
                record.day = fieldValue<int8_t>(fields[6]);
                record.weekday = weekdayOf(fields[7]);
                break;
            case Computed:
                record.month = fieldValue<int8_t>(fields[5]);
                record.base = readReal(fields[6]);
                record.drift = readReal(fields[7]);
                break;
            default: break;
        }
    }
    specialDays_.push_back(std::move(record));
    return true;
}

bool ConfigReader::fail(const wchar_t* format) {
    std::wstring_view text = format;
    size_t at = text.find(L"%d");
    message_ = std::wstring(text.substr(0, at)) + std::to_wstring(lineNumber_) + std::wstring(text.substr(at + 2));
    return false;
}

std::wstring configPathBeside(std::wstring_view moduleFileName) {
    size_t slash = moduleFileName.rfind(L'\\');
    std::wstring_view folder = slash == std::wstring_view::npos ? std::wstring_view{} : moduleFileName.substr(0, slash);
    return std::wstring(folder) + L"\\config.txt";
}

}  // namespace calendar
