#include "cli/parse_messages.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <regex>

namespace carbonym::cli {

namespace {

std::string Quote(const std::string& text)
{
    return "“" + text + "”";
}

// "tsv|csv" for an option checked against a set, or its type's label.
std::string AllowedValues(const CLI::Option* option)
{
    const std::string type = option->get_type_name();
    const size_t open = type.find(":{");
    if (open == std::string::npos)
        return type == "INT" ? "N" : type;
    std::string values = type.substr(open + 2, type.size() - open - 3);
    std::replace(values.begin(), values.end(), ',', '|');
    return values;
}

// "tsv|csv" as "tsv 或 csv".
std::string Alternatives(std::string values)
{
    for (size_t bar; (bar = values.find('|')) != std::string::npos;)
        values.replace(bar, 1, " 或 ");
    return values;
}

class Formatter : public CLI::Formatter {
public:
    Formatter()
    {
        label("Usage", "用法");
        label("OPTIONS", "选项");
        label("SUBCOMMAND", "子命令");
        label("SUBCOMMANDS", "子命令");
        label("Positionals", "参数");
        label("REQUIRED", "（必需）");
        label("Needs", "需要");
        label("Excludes", "不能同时使用");
        label("Env", "环境变量");
        column_width(34);
    }

    // "--sort{plain}" is the flag --sort; its values are in its option text.
    std::string make_option_name(const CLI::Option* option, bool positional) const override
    {
        static const std::regex flagValue(R"(\{[^}]*\})");
        return std::regex_replace(CLI::Formatter::make_option_name(option, positional), flagValue, "");
    }

    // The value an option takes, without CLI11's type names: its option
    // text ("[=plain|rules]" right after the name), or its values.
    std::string make_option_opts(const CLI::Option* option) const override
    {
        const std::string text = option->get_option_text();
        if (!text.empty())
            return text.rfind("[=", 0) == 0 ? text : " " + text;
        std::string opts;
        if (option->get_type_size() != 0 && !option->get_positional())
            opts += " " + AllowedValues(option);
        if (option->get_expected_max() == CLI::detail::expected_max_vector_size)
            opts += " ...";
        return opts;
    }
};

// The subcommand the parse reached: the deepest one chosen.
const CLI::App* Reached(const CLI::App* app)
{
    for (;;) {
        const auto chosen = app->get_subcommands();
        if (chosen.empty())
            return app;
        app = chosen.front();
    }
}

// "carbonym-cli dict show": the command as typed.
std::string CommandPath(const CLI::App* app)
{
    std::string path;
    for (; app; app = app->get_parent())
        path = app->get_name() + (path.empty() ? "" : " " + path);
    return path;
}

std::vector<std::string> SubcommandNames(const CLI::App* app)
{
    std::vector<std::string> names;
    for (const auto* sub : app->get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(sub->get_name());
    return names;
}

std::vector<std::string> OptionNames(const CLI::App* app)
{
    std::vector<std::string> names;
    for (const auto* option : app->get_options()) {
        for (const auto& name : option->get_lnames())
            names.push_back("--" + name);
        for (const auto& name : option->get_snames())
            names.push_back("-" + name);
    }
    return names;
}

std::string Join(const std::vector<std::string>& words)
{
    std::string joined;
    for (const auto& word : words)
        joined += (joined.empty() ? "" : "、") + word;
    return joined;
}

std::string Suggestion(const std::string& word, const std::vector<std::string>& candidates)
{
    const std::string nearest = NearestWord(word, candidates);
    return nearest.empty() ? std::string() : "。是不是" + Quote(nearest) + "？";
}

// An argument the command does not take: a mistyped option or subcommand,
// or one argument too many.
std::string Unexpected(const CLI::App* app, const std::string& argument, size_t count)
{
    if (argument.size() > 1 && argument[0] == '-') {
        const std::string name = argument.substr(0, argument.find('='));
        const auto names = OptionNames(app);
        if (std::find(names.begin(), names.end(), name) != names.end())
            return "选项" + Quote(name) + "要写在子命令之后：" + CommandPath(app) + " " + name + " ……";
        return "“" + CommandPath(app) + "”没有选项" + Quote(name) + Suggestion(name, names);
    }
    const auto subcommands = SubcommandNames(app);
    if (!subcommands.empty())
        return "没有子命令" + Quote(argument) + Suggestion(argument, subcommands)
               + (NearestWord(argument, subcommands).empty() ? "。可用的子命令：" + Join(subcommands) : "");
    return "多余的参数" + Quote(argument) + (count > 1 ? "（共 " + std::to_string(count) + " 个）" : "") + "：“"
           + CommandPath(app) + "”不接受它";
}

const CLI::Option* FindOption(const CLI::App* app, const std::string& name)
{
    for (const auto* option : app->get_options())
        if (option->get_name() == name || option->check_name(name))
            return option;
    return nullptr;
}

std::string Named(const CLI::App* app, const std::string& given)
{
    // CLI11 names a flag without its dashes in some messages.
    const bool bare = !given.empty() && given[0] != '-' && !FindOption(app, given);
    const std::string name = bare && FindOption(app, "--" + given) ? "--" + given : given;
    const auto* option = FindOption(app, name);
    if (option && option->get_positional())
        return "参数 " + name + "（" + option->get_description() + "）";
    return "选项" + Quote(name);
}

bool HasChinese(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string Sentence(const CLI::App* app, const CLI::Error& error)
{
    const std::string kind = error.get_name();
    const std::string what = error.what();
    std::smatch match;
    const CLI::App* top = app;
    while (top->get_parent())
        top = top->get_parent();
    const std::vector<std::string> left = top->remaining(true);
    if (kind == "ExtrasError" && !left.empty())
        return Unexpected(app, left.front(), left.size());
    if (kind == "RequiredError") {
        if (what.rfind("A subcommand", 0) == 0 || what.rfind("Requires at least", 0) == 0) {
            if (!left.empty())
                return Unexpected(app, left.front(), left.size());
            return "缺少子命令：“" + CommandPath(app) + "”之后应是 " + Join(SubcommandNames(app)) + " 之一";
        }
        if (std::regex_match(what, match, std::regex("(.+) is required")))
            return "缺少" + Named(app, match[1]);
    }
    if (kind == "ExcludesError" && std::regex_match(what, match, std::regex("(\\S+) excludes (\\S+)")))
        return Named(app, match[1]) + "不能与" + Named(app, match[2]) + "同时使用";
    if (kind == "RequiresError" && std::regex_match(what, match, std::regex("(\\S+) requires (\\S+)")))
        return Named(app, match[1]) + "只能与" + Named(app, match[2]) + "一起使用";
    if (kind == "ConversionError") {
        if (std::regex_match(what, match, std::regex("Could not convert: (\\S+) = (.*)")))
            return Quote(match[2]) + "不是" + Named(app, match[1]) + "能接受的值"
                   + (FindOption(app, match[1]) && FindOption(app, match[1])->get_type_name() == "INT" ? "：应是整数"
                                                                                                       : "");
        if (std::regex_match(what, match, std::regex("The value (.*) is not an allowed value for (\\S+)")))
            return Quote(match[1]) + "不是" + Named(app, match[2]) + "能接受的值";
        if (std::regex_match(what, match, std::regex("(\\S+): too many inputs for a flag")))
            return Named(app, match[1]) + "不带值";
        if (std::regex_match(what, match, std::regex("(\\S+): Should be true/false or a number")))
            return Named(app, match[1]) + "不带值";
    }
    if (kind == "ValidationError" && std::regex_match(what, match, std::regex("(\\S+): (.*)"))) {
        const auto* option = FindOption(app, match[1]);
        const std::string type = option ? option->get_type_name() : std::string();
        const size_t colon = type.find(":{");
        return Named(app, match[1]) + "的值不对"
               + (colon == std::string::npos ? std::string() : "：只接受 " + Alternatives(AllowedValues(option)));
    }
    if (kind == "ArgumentMismatch") {
        if (std::regex_match(what, match, std::regex("(\\S+) was given a disallowed flag override")))
            return Named(app, match[1]) + "不带值";
        if (std::regex_search(what, match, std::regex("arguments to (\\S+), got 0"))
            || std::regex_match(what, match, std::regex("(\\S+): \\d+ required .* missing")))
            return Named(app, match[1]) + "缺少值";
        if (std::regex_search(what, match, std::regex("arguments to (\\S+),"))
            || std::regex_match(what, match, std::regex("(\\S+)[: ].*")))
            return Named(app, match[1]) + "的值的个数不对";
    }
    if (HasChinese(what))
        return what; // the program's own words (a command's check of its arguments)
    if (!left.empty())
        return Unexpected(app, left.front(), left.size());
    return "无法理解这个命令行";
}

} // namespace

std::shared_ptr<CLI::Formatter> ChineseFormatter()
{
    return std::make_shared<Formatter>();
}

std::string DescribeParseError(const CLI::App* app, const CLI::Error& error)
{
    const CLI::App* reached = Reached(app);
    return Sentence(reached, error) + "\n运行“" + CommandPath(reached) + " --help”查看用法\n";
}

std::string NearestWord(std::string_view word, const std::vector<std::string>& candidates)
{
    auto bare = [](std::string_view text) {
        std::string lower;
        for (const char c : text.substr(std::min(text.find_first_not_of('-'), text.size())))
            lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return lower;
    };
    const std::string a = bare(word);
    std::string best;
    size_t bestDistance = a.size() <= 3 ? 1 : 2;
    for (const auto& candidate : candidates) {
        const std::string b = bare(candidate);
        // Edit distance with swaps of neighbours (optimal string alignment).
        std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
        for (size_t i = 0; i <= a.size(); ++i)
            d[i][0] = i;
        for (size_t j = 0; j <= b.size(); ++j)
            d[0][j] = j;
        for (size_t i = 1; i <= a.size(); ++i) {
            for (size_t j = 1; j <= b.size(); ++j) {
                const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
                d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
                if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                    d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
        const size_t distance = d[a.size()][b.size()];
        if (best.empty() ? distance <= bestDistance : distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace carbonym::cli
