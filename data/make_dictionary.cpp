// Compiles the starter dictionary's table into a source.dat, longest term
// first, through the same ordered insert the program uses. Fails the build
// with every refused line listed.
//
//     carbonym-make-dictionary TABLE.tsv OUTPUT.dat

#include "term_table.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv)
{
    using namespace carbonym;
    if (argc != 3) {
        std::cerr << "用法：carbonym-make-dictionary 词条表.tsv 输出.dat\n";
        return 2;
    }
    const std::filesystem::path input = std::filesystem::u8path(argv[1]);
    std::ifstream in(input, std::ios::binary);
    const std::string content(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) {
        std::cerr << "无法读取词条表“" << argv[1] << "”\n";
        return 2;
    }
    const TermTable table = ParseTermTable(content, argv[1]);
    if (!table.Errors.empty()) {
        for (const auto& error : table.Errors)
            std::cerr << error << '\n';
        std::cerr << "词条表有 " << table.Errors.size() << " 处错误，没有生成词典\n";
        return 1;
    }
    try {
        CompileTermTable(table.Rows, std::filesystem::u8path(argv[2]));
    } catch (const std::exception& error) {
        std::cerr << argv[1] << ": " << error.what() << '\n';
        return 1;
    }
    std::cout << "初始词典：" << table.Rows.size() << " 条词条\n";
    return 0;
}
