#include "dictionary/record_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace carbonym {

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The leading number in the form std::from_chars reads, without its sign.
class NumberScanner {
public:
    explicit NumberScanner(std::u16string_view text) : text_(text) { }

    bool Negative()
    {
        const char16_t c = Peek();
        if (c == u'+' || c == u'-') {
            ++at_;
            return c == u'-';
        }
        return false;
    }

    std::string Mantissa()
    {
        std::string digits;
        bool point = false;
        for (char16_t c = Peek(); IsDigit(c) || (c == u'.' && !point); c = Peek()) {
            point = point || c == u'.';
            digits += static_cast<char>(c);
            ++at_;
        }
        return digits == "." ? std::string() : digits;
    }

    // "e", an optional sign and at least one digit; nothing otherwise.
    std::string Exponent()
    {
        const char16_t c = Peek();
        if (c != u'e' && c != u'E' && c != u'd' && c != u'D')
            return {};
        ++at_;
        std::string exponent = "e";
        if (Peek() == u'+' || Peek() == u'-') {
            exponent += static_cast<char>(Peek());
            ++at_;
        }
        const size_t signEnd = exponent.size();
        while (IsDigit(Peek())) {
            exponent += static_cast<char>(Peek());
            ++at_;
        }
        return exponent.size() > signEnd ? exponent : std::string();
    }

private:
    char16_t Peek()
    {
        while (at_ < text_.size() && (text_[at_] == u' ' || text_[at_] == u'\t' || text_[at_] == u'\n'))
            ++at_;
        return at_ < text_.size() ? text_[at_] : u'\0';
    }

    std::u16string_view text_;
    size_t at_ = 0;
};

double RoundHalfToEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1.0;
    return floor;
}

} // namespace

std::optional<int32_t> ParseRecordNumber(std::u16string_view text)
{
    NumberScanner scanner(text);
    const bool negative = scanner.Negative();
    const std::string mantissa = scanner.Mantissa();
    if (mantissa.empty())
        return 0;
    const std::string number = mantissa + scanner.Exponent();
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Too small to tell from 0, or too large for any record.
        if (number.find("e-") != std::string::npos)
            return 0;
        return std::nullopt;
    }
    const double rounded = RoundHalfToEven(negative ? -value : value);
    if (rounded < INT32_MIN || rounded > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

} // namespace carbonym
