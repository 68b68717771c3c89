// Writes the seed corpora, one small file per row of the core's test tables:
//   make_seed_corpus <corpus folder>
// (run by hand after the tables change; the files are kept in the tree).
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Named {
    const char* name;
    std::string text;
};

void write(const fs::path& dir, const std::string& name, const std::string& bytes)
{
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

template <typename T> std::string bytesOf(T x)
{
    std::string b(sizeof x, '\0');
    std::memcpy(b.data(), &x, sizeof x);
    return b;
}

// Texts typed into the end-point and range fields.
const std::vector<Named> typedTexts {
    { "empty", "" },
    { "letters", "abc" },
    { "lone_minus", "-" },
    { "lone_point", "." },
    { "blanks_around", " 12 " },
    { "blank_inside", "1 2" },
    { "blanks_in_fraction", "  -3 .5" },
    { "plus", "+7" },
    { "point_first", "-.5" },
    { "two_points", "3.5.1" },
    { "comma_stops", "1,5" },
    { "exponent", "1e3" },
    { "bare_E", "2E" },
    { "E_with_sign_only", "2E+" },
    { "negative_exponent", "25E-1" },
    { "blank_in_exponent", "1 E 2" },
    { "tab_and_newline", "\t4\n2" },
    { "trailing_letters", "5abc" },
    { "trailing_point", "5." },
    { "nearest_double", "0.1" },
    { "seventeen_digits", "0.30000000000000004" },
    { "largest_double", "1.7976931348623157E+308" },
    { "too_small_is_zero", "1e-400" },
    { "smallest_subnormal", "4.9406564584124654E-324" },
    { "leading_zeros", "000123.4500" },
    { "zeros_before_huge_exponent", "0.0000e999999" },
    { "sign_after_blank", " - 4" },
    { "unicode_stops", "\xC2\xBD" },
    { "nan_is_letters", "nan" },
    { "inf_is_letters", "inf" },
    { "minus_zero", "-0" },
    { "overflow", "1e309" },
    { "overflow_negative", "-1e309" },
    { "overflow_just", "1.8E+308" },
    { "overflow_long_exponent", "1e99999999999999999999" },
    { "overflow_many_digits", "12345678901234567890e300" },
};

// Texts the program writes, and texts it must refuse to read back.
const std::vector<Named> writtenTexts {
    { "half", "0.5" },
    { "one_third", "0.333333333333333" },
    { "two_thirds", "0.666666666666667" },
    { "four_thirds", "1.33333333333333" },
    { "minus_two", "-2" },
    { "point_three", "0.3" },
    { "fifteen_digit_integer", "123456789012345" },
    { "ten_to_fifteen", "1E+15" },
    { "ten_to_minus_four", "0.0001" },
    { "ten_to_minus_five", "1E-05" },
    { "largest_double", "1.79769313486232E+308" },
    { "largest_double_negative", "-1.79769313486232E+308" },
    { "past_largest_double", "1.79769313486233E+308" },
    { "zero", "0" },
    { "rounds_down_below_e15", "999999999999999" },
    { "tiny_residue", "1.02140518265514E-14" },
    { "negative_scientific", "-7.66053886991355E-15" },
    { "hundred_digits_exponent", "1.5E+100" },
    { "smallest_subnormal", "4.94065645841247E-324" },
    { "fixed_with_fraction", "-123.25" },
    { "trailing_zeros_integer", "1200" },
    { "one_e_fourteen", "100000000000000" },
    { "single_third", "0.3333333" },
    { "single_eight_digits", "1.234568E+07" },
    { "largest_single", "3.402823E+38" },
    { "overflow", "1E+309" },
    { "reject_empty", "" },
    { "reject_blank", " " },
    { "reject_letters", "abc" },
    { "reject_minus", "-" },
    { "reject_point", "." },
    { "reject_trailing_point", "1." },
    { "reject_leading_point", ".5" },
    { "reject_bare_E", "1E" },
    { "reject_E_sign", "1E+" },
    { "reject_blank_inside", "1 2" },
    { "reject_plus", "+" },
    { "reject_hex", "0x10" },
    { "reject_comma", "1,5" },
    { "reject_nan", "nan" },
    { "reject_inf", "inf" },
    { "reject_two_points", "3.5.1" },
    { "reject_leading_blank", " 3" },
    { "reject_trailing_blank", "3 " },
    { "reject_double_minus", "--1" },
};

// Texts read exactly, alone or as "dividend|divisor".
const std::vector<Named> equationTexts {
    { "slope_intercept", "y = 2x + 3" },
    { "mixed_intercept", "y = 0.5x + 1 1/2" },
    { "fraction_characters", "y = 1\xC2\xBDx \xE2\x88\x92 \xE2\x85\x93" },
    { "two_numbers", "y = 2 3x" },
    { "repeating", "y = 0.(3)x" },
    { "general", "2x + 3y = 6" },
    { "point_slope", "y + 1 = -(x + 4)/3" },
    { "vertical", "x = 4" },
    { "school_book_half_x", "y = 1/2x" },
    { "window_text", " Y = 2 X +  -3" },
    { "window_exponent", " Y = 1.33333333333333 X +  1.02140518265514E-14" },
    { "signs_beyond_ascii", "y \xE2\x88\x92 1 = 3\xC2\xB7x \xC3\xB7 2" },
    { "no_finite_decimal", "y = x/3 + 1/7" },
    { "square", "y = x\xC2\xB2" },
    { "power", "y = 2^-3 x" },
    { "cancelled", "0x + 0y = 5" },
    { "unclosed", "y = 2(x - 1" },
    { "stray_bracket_first", ")xu=x  4" },
};

const std::vector<Named> exactTexts {
    { "tenth", "0.1" },
    { "exponent", "2.5E-3" },
    { "blanks", " - 1 2 . 5 e - 1 " },
    { "letters", "abc" },
    { "third", "1|3" },
    { "minus_seven_sixths", "-7|6" },
    { "seventh", "22|7" },
    { "period_of_96", "1|97" },
    { "long_ending", "1|2251799813685248" },
    { "repeats_at_fifty", "1|123145302310912" },
    { "divide_by_zero", "5|0" },
    { "beyond_the_double_range", "1e309|3" },
    { "below_the_double_range", "-1e-400|7" },
    { "most_integer_digits", "9.99e999" },
    { "most_fraction_digits", "1e-1000|9" },
    { "too_large", "1E+999999999" },
    { "too_small", "1e-1001" },
    { "past_largest_double", "1.7976931348623158e308" },
};

struct NumberRow {
    const char* name;
    double d;
    float f;
    std::int16_t i;
};

const std::vector<NumberRow> numbers {
    { "half", 0.5, 1.0f / 3, -1 },
    { "one_third", 1.0 / 3, 3.14f, 0 },
    { "two_thirds", 2.0 / 3, 12345678.0f, 32767 },
    { "four_thirds", 4.0 / 3, 1234567.0f, -32768 },
    { "minus_two", -2, -0.0f, 1 },
    { "point_three", 0.1 + 0.2, 4.0f, 7 },
    { "fifteen_digit_integer", 123456789012345, FLT_MAX, 100 },
    { "ten_to_fifteen", 1e15, 0.00001f, -100 },
    { "ten_to_minus_four", 0.0001, -10.25f, 12 },
    { "ten_to_minus_five", 0.00001, 1e-45f, -12 },
    { "largest_double", DBL_MAX, FLT_MIN, 2 },
    { "negative_zero", -0.0, 0.1f, -2 },
    { "rounds_down_below_e15", 999999999999999.4, 1e7f, 9999 },
    { "rounds_up_into_e15", 999999999999999.6, 9999999.5f, -9999 },
    { "tiny_residue", 1.02140518265514E-14, 0.0001f, 10 },
    { "negative_scientific", -7.66053886991355E-15, -3.402823e38f, -10 },
    { "hundred_digits_exponent", 1.5e100, 2.5f, 3 },
    { "smallest_subnormal", 4.9406564584124654E-324, 1e-40f, -3 },
    { "just_below_e_minus_four", 0.000099999999999999995, 0.000099999f, 5 },
    { "fixed_with_fraction", -123.25, 123.25f, -5 },
    { "trailing_zeros_integer", 1200, 1200.0f, 1200 },
    { "one_e_fourteen", 1e14, 1e6f, 32000 },
};

// A pupil's answers, as the checker's tables write them.
const std::vector<Named> answerTexts {
    { "fraction", "1/2" },
    { "point_first", ".5" },
    { "minus_sign",
        "\xE2\x88\x92"
        "1/2" },
    { "blanks_around_sign_and_bar", " \t- 3 /  4 " },
    { "seven_sixths", "1.1(6)" },
    { "seventh", "0.(142857)" },
    { "repeating_divisor", "1/0.(3)" },
    { "mixed_number", "1 1/2" },
    { "divides_by_zero", "1/0" },
    { "decimal_comma", "2,5" },
    { "unclosed_repeat", "0.(3" },
    { "undefined", "UnDefined " },
    { "point", "( 0 , 6 )" },
    { "crossing_repeating_bare", "0.(3), 0.(3)" },
    { "crossing_unclosed", "(2, 4" },
    { "the_same_line", " The  same LINE" },
    { "parallel", "Parallel" },
    { "equation_doubled", "2y = x + 6" },
    { "equation_point_slope", "y - 3 = 1/2(x - 0)" },
    { "mixed_minus", "-1 1/3" },
    { "mixed_character",
        "\xE2\x88\x92"
        "1\xE2\x85\x93" },
    { "minus_bracket", "-(4/3)" },
    { "labelled_slope", "m = 5" },
    { "crossing_named", "x = -5, y = -8" },
    { "crossing_bar",
        "(\xE2\x88\x92"
        "5|\xE2\x88\x92"
        "8)" },
    { "crossing_mixed", "(9 1/2, -2)" },
    { "f_of_x", "f(x) = 5x + 17" },
};

struct LineRow {
    const char* name;
    double x1, y1, x2, y2;
    std::string texts; // "|"-separated
};

const std::vector<LineRow> lines {
    { "default_line_one", -6, 0, 8, 7, "0.5|3|1|2" },
    { "default_line_two", -7, -5, 6, 8, "1|2|0.5|3" },
    { "through_origin_minus_zero", 1, 1, 2, 2, "1|0|1|0" },
    { "negative_intercept", 0, -3, 1, -1, "2|-3|1|2" },
    { "four_thirds_residue", 0, 0, 3, 4, "1.33333333333333|1.02140518265514E-14|1|0" },
    { "two_thirds_down", -5, 6.5, 2.5, 1.5, "-0.666666666666667|3.16666666666667|0.5|3" },
    { "gentle_slope", -4, 6, 3, 5.5, "-0.0714285714285714|5.71428571428571|1|2" },
    { "horizontal", 1, 2, 4, 2, "0|2|0|5" },
    { "x_axis", 1, 0, 4, 0, "0|0|0|0" },
    { "vertical", 3, 1, 3, 5, "1|1|1|1" },
    { "single_point", 3, 1, 3, 1, "0|-0|2|5" },
    { "slope_overflows", 0, -1e308, 1e-10, 1e308, "1E+300|0|1E+39|1" },
    { "intercept_overflows", 0, 0, 1e300, 0, "1E+300|not a slope|1E-300|1E+300" },
    { "crossing_third", 0, 0.3, 1, 0.3, "1|-2|0|1" },
    { "crossing_negative", 0, 0.1, 1, 0.4, "2|-1|3|0" },
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    for (const Named& t : typedTexts)
        write(root / "fuzz_val", t.name, t.text);
    for (const Named& t : writtenTexts)
        write(root / "fuzz_text_to_number", t.name, t.text);
    for (const Named& t : exactTexts)
        write(root / "fuzz_exact", t.name, t.text);
    for (const Named& t : equationTexts)
        write(root / "fuzz_equation", t.name, t.text);
    for (const Named& t : answerTexts)
        write(root / "fuzz_practice", t.name, t.text);
    for (const NumberRow& n : numbers)
        write(root / "fuzz_number_to_text", n.name, bytesOf(n.d) + bytesOf(n.f) + bytesOf(n.i));
    for (const LineRow& l : lines)
        write(root / "fuzz_line_texts", l.name,
            bytesOf(l.x1) + bytesOf(l.y1) + bytesOf(l.x2) + bytesOf(l.y2) + l.texts);
    return 0;
}
