// Compiles the dictionary's source tables into one source.dat, longest term
// first, through the same ordered insert the program uses. Fails the build
// with every refused line listed; an English term may stand in one table once.
//
//     carbonym-make-dictionary TABLE.tsv [TABLE.tsv ...] OUTPUT.dat

#include "term_table.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace carbonym;
    if (argc < 3) {
        std::cerr << "用法：carbonym-make-dictionary 词条表.tsv [词条表.tsv ...] 输出.dat\n";
        return 2;
    }
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i + 1 < argc; ++i)
        inputs.push_back(std::filesystem::u8path(argv[i]));
    const TermTable table = ReadTermTables(inputs);
    if (!table.Errors.empty()) {
        for (const auto& error : table.Errors)
            std::cerr << error << '\n';
        std::cerr << "词条表有 " << table.Errors.size() << " 处错误，没有生成词典\n";
        return 1;
    }
    try {
        CompileTermTable(table.Rows, std::filesystem::u8path(argv[argc - 1]));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    std::cout << "初始词典：" << table.Rows.size() << " 条词条\n";
    return 0;
}
