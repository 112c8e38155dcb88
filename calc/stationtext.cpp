#include "stationtext.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxDecimals = 6;

// A number that takes all of text and is finite.
bool wholeNumber(std::string_view text, double& value)
{
    double v = 0.0;
    return !text.empty() && numbers::parse(text, v) == text.size() && std::isfinite(v) &&
           (value = v, true);
}

}  // namespace

std::string stationText(double L, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (!std::isfinite(L))
        return numbers::fixed(L, decimals);
    // The digits of |L| as they will be shown; kilometres and metres are cut
    // from them, so the rounding happens once and a carry reaches the km.
    const std::string digits = numbers::fixed(std::fabs(L), decimals);
    const std::size_t point = decimals > 0 ? digits.find('.') : digits.size();
    std::string whole = digits.substr(0, point);
    const std::string fraction = digits.substr(point);
    if (whole.size() < 4)
        whole.insert(0, 4 - whole.size(), '0');
    const bool negative = L < 0.0 && digits.find_first_not_of("0.") != std::string::npos;
    const std::size_t kmDigits = whole.size() - 3;
    return std::string("K") + (negative ? "-" : "") + whole.substr(0, kmDigits) + "+" +
           whole.substr(kmDigits) + fraction;
}

bool parseStation(std::string_view text, double& L)
{
    text = numbers::trimmed(text);
    const bool marked = !text.empty() && (text.front() == 'K' || text.front() == 'k');
    if (marked)
        text.remove_prefix(1);
    // The separating plus follows the kilometres; a plus in front is a sign.
    const std::size_t plus = text.find('+', 1);
    if (plus == std::string_view::npos) {
        // "K1234.5" is no notation anyone writes; a bare number is.
        return !marked && wholeNumber(text, L);
    }
    double km = 0.0;
    double metres = 0.0;
    const std::string_view kmText = text.substr(0, plus);
    const std::string_view metreText = text.substr(plus + 1);
    if (!wholeNumber(kmText, km) || km != std::trunc(km) || metreText.empty() ||
        metreText.front() == '-' || metreText.front() == '+' || !wholeNumber(metreText, metres) ||
        metres >= 1000.0)
        return false;
    const double sign = kmText.front() == '-' ? -1.0 : 1.0;
    L = km * 1000.0 + sign * metres;
    return true;
}
