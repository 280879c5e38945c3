// Reading a drive setup from its JSON form. Every member is optional; a member of the wrong type
// is an error that names it, and members this kernel does not know are ignored so that newer files
// still load.
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

#include "host/mckernel/excerpt.h"
#include "host/mckernel/period.h"
#include "host/mckernel/quantity.h"
#include "host/mckernel/setup.h"
#include "platform/framework/read_file.h"

namespace {

using nlohmann::json;

// A member at fault, with what it should have been.
struct MemberError {
    std::string member;
    std::string expected;
};

[[noreturn]] void Fail(const std::string& member, const std::string& expected) {
    throw MemberError{member, expected};
}

const json* Member(const json& root, const char* name) {
    auto it = root.find(name);
    return it == root.end() ? nullptr : &*it;
}

void ReadTexts(const json& root, const char* name, CStringArray& out) {
    const json* member = Member(root, name);
    if (member == nullptr) return;
    if (!member->is_array()) Fail(name, "an array of texts");
    for (const json& item : *member) {
        if (!item.is_string()) Fail(name, "an array of texts");
        out.Add(CString(item.get_ref<const std::string&>()));
    }
}

DWORD ReadMask(const json& value, const char* name) {
    if (value.is_number_unsigned()) {
        auto n = value.get<std::uint64_t>();
        if (n > 0xFFFFFFFFu) Fail(name, "a 32-bit mask");
        return static_cast<DWORD>(n);
    }
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (text.size() > 2 && text.size() <= 10 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            char* end = nullptr;
            unsigned long n = std::strtoul(text.c_str() + 2, &end, 16);
            if (*end == '\0' && std::isxdigit(static_cast<unsigned char>(text[2]))) return static_cast<DWORD>(n);
        }
    }
    Fail(name, "a number from 0 to 4294967295 or a text \"0x\" and 1 to 8 hexadecimal digits");
}

void ReadIntOptions(const json& root, CMC_Setup& setup) {
    const json* member = Member(root, "intOptions");
    if (member == nullptr) return;
    if (!member->is_object()) Fail("intOptions", "an object of names to integers");
    for (const auto& [name, value] : member->items()) {
        std::string path = "intOptions." + name;
        if (!value.is_number_integer()) Fail(path, "an integer");
        if (value.is_number_unsigned() ? value.get<std::uint64_t>() > std::numeric_limits<int>::max()
                                       : (value.get<std::int64_t>() < std::numeric_limits<int>::min() ||
                                          value.get<std::int64_t>() > std::numeric_limits<int>::max()))
            Fail(path, "an integer within 32 bits");
        setup.SetIntOption(name, static_cast<int>(value.get<std::int64_t>()));
    }
}

CMC_PeriodDefinition ReadPeriod(const json& root) {
    CMC_PeriodDefinition period;
    const json* member = Member(root, "period");
    if (member == nullptr) return period;
    if (!member->is_object()) Fail("period", "an object with the texts \"tick\" and \"default\"");

    if (const json* tick = Member(*member, "tick")) {
        CMC_Quantity quantity;
        long long unitNs = 0;
        if (!tick->is_string() || !CMC_ParseQuantity(tick->get_ref<const std::string&>(), quantity) ||
            (unitNs = CMC_TimeUnitNanoseconds(quantity.unit)) == 0)
            Fail("period.tick", "a time such as \"0.25 ms\" (units s, ms, us, ns)");
        double ns = quantity.value * static_cast<double>(unitNs);
        if (!(ns >= 1.0 && ns <= 1e12)) Fail("period.tick", "a time from 1 ns to 1000 s");
        period.tickNanoseconds = std::llround(ns);
    }

    period.defaultTicks = 1;
    if (const json* def = Member(*member, "default")) {
        int ticks = 0, unit = 0;
        if (!def->is_string() ||
            CMC_ReadPeriod(def->get_ref<const std::string&>(), period.tickNanoseconds, CMC_UnitTicks, ticks, unit) !=
                CMC_PeriodError::None)
            Fail("period.default", "a period such as \"1 ms\" (units s, ms, ticks) of 1 to 65535 ticks");
        period.defaultTicks = ticks;
        period.defaultUnit = unit;
    }
    return period;
}

CMC_Setup FromJson(const json& root) {
    if (!root.is_object()) Fail("", "a JSON object");
    CMC_Setup setup;
    if (const json* name = Member(root, "name")) {
        if (!name->is_string()) Fail("name", "a text");
        setup.SetName(CString(name->get_ref<const std::string&>()));
    }

    CStringArray texts;
    ReadTexts(root, "interrupts", texts);
    for (const CString& caption : texts) setup.AddInterrupt(caption);

    texts.RemoveAll();
    ReadTexts(root, "swProtections", texts);
    for (const CString& description : texts) setup.AddSwProtection(description);
    // Without a mask every described protection exists.
    const json* mask = Member(root, "swProtectionsMask");
    setup.SetSwProtectionsMask(mask ? ReadMask(*mask, "swProtectionsMask") : CMC_FullMask(texts.GetSize()));

    ReadIntOptions(root, setup);

    texts.RemoveAll();
    ReadTexts(root, "variables", texts);
    for (const CString& variable : texts) setup.AddVariable(variable);

    setup.SetPeriodDefinition(ReadPeriod(root));
    return setup;
}

// Where a text stops being JSON, for the errors whose message has no position of its own (a
// number beyond the range of a double): a second pass that builds nothing and notes the offset.
class ErrorLocator : public nlohmann::json_sax<json> {
public:
    size_t position = 0;
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t nPosition, const std::string&, const json::exception&) override {
        position = nPosition;
        return false;
    }
};

// "line 3, column 7" of a byte offset, counted as the parser counts them.
std::string LineAndColumn(std::string_view text, size_t position) {
    if (position > text.size()) position = text.size();
    size_t line = 1, lineStart = 0;
    for (size_t i = 0; i < position; ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return "line " + std::to_string(line) + ", column " + std::to_string(position - lineStart + 1);
}

// The parser's message without its prefix, and with the token it quotes cut short: the token can
// be a whole file.
std::string ParseErrorText(const std::string& what) {
    auto pos = what.find("parse error");
    std::string text = pos == std::string::npos ? what : what.substr(pos);
    const std::string lastRead = "last read: '";
    auto token = text.find(lastRead);
    if (token != std::string::npos && text.size() > token + lastRead.size() + 1 && text.back() == '\'') {
        token += lastRead.size();
        size_t length = text.size() - 1 - token;
        if (length > CMC_ExcerptLength) text = text.substr(0, token + CMC_ExcerptLength) + "...'";
    }
    return text;
}

}  // namespace

bool CMC_Setup::LoadJson(std::string_view text, const char* pszSourceName, CString& strError) {
    const char* source = pszSourceName != nullptr ? pszSourceName : "drive setup";
    try {
        json root;
        try {
            root = json::parse(text.begin(), text.end());
        } catch (const json::parse_error& e) {
            // The library's message names the position: "parse error at line 3, column 7: ...".
            strError.Format("%s: not valid JSON: %s", source, ParseErrorText(e.what()).c_str());
            return false;
        } catch (const json::out_of_range&) {
            // A number beyond the range of a double; the message would echo the number, however long.
            ErrorLocator locator;
            json::sax_parse(text.begin(), text.end(), &locator);
            strError.Format("%s: not valid JSON: parse error at %s: a number out of range", source,
                            LineAndColumn(text, locator.position).c_str());
            return false;
        }
        *this = FromJson(root);
        strError.Empty();
        return true;
    } catch (const MemberError& e) {
        if (e.member.empty())
            strError.Format("%s: the drive setup must be %s", source, e.expected.c_str());
        else
            strError.Format("%s: member \"%s\" must be %s", source, CMC_Excerpt(e.member).GetString(),
                            e.expected.c_str());
    } catch (const std::exception& e) {
        strError.Format("%s: %s", source, e.what());
    }
    return false;
}

bool CMC_Setup::LoadFile(const char* pszPath, CString& strError) {
    const char* path = pszPath != nullptr ? pszPath : "";
    std::string content, reason;
    if (ReadRegularFile(path, CMC_MaxSetupFileSize, content, reason) != ReadFileResult::ok) {
        strError.Format("%s: cannot be read: %s", path, reason.c_str());
        return false;
    }
    return LoadJson(content, path, strError);
}
