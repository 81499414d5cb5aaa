#include "cli/messages.h"

#include "dictionary/dictionary_file.h"
#include "dictionary/gbk_codec.h"
#include "text/utf8.h"
#include "translation/term_automaton.h"

#include <cstdio>
#include <stdexcept>

namespace carbonym::cli {

namespace {

std::string QuotedPath(const std::filesystem::path& path)
{
    return "“" + DisplayPath(path) + "”";
}

std::string RecordName(int64_t n)
{
    return "第 " + std::to_string(n) + " 条";
}

std::string CharacterName(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return std::string("字符 ") + code;
    std::u16string text;
    if (c >= 0x10000) {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        text += static_cast<char16_t>(c);
    }
    return "字符“" + Utf16ToUtf8(text) + "”(" + code + ")";
}

// Why a save failed, after the name of the dictionary.
std::string SaveReason(const DictionaryError& error)
{
    switch (error.Fault()) {
    case DictionaryFault::ReadOnly:
        return "文件只读或被占用";
    case DictionaryFault::CannotCreateWorkFile:
        return "无法在其所在的文件夹中写入文件";
    case DictionaryFault::DiskFull:
        return "写入失败（磁盘可能已满）";
    case DictionaryFault::CannotKeepOwner:
        return "无法保留原文件的所有者（用户 " + std::to_string(error.Detail()) + "）：请以该用户身份修改词典";
    case DictionaryFault::CannotKeepMode:
        return "无法保留原文件的权限";
    case DictionaryFault::CannotReplace:
        return "无法替换原文件（文件可能被占用或只读）";
    case DictionaryFault::CannotOpenFolder:
        return "无法打开其所在的文件夹";
    case DictionaryFault::CannotSyncFolder:
        return "无法把文件夹的改动写入磁盘";
    default:
        return {};
    }
}

std::string Describe(const DictionaryError& error, bool withinSave)
{
    const auto& path = error.Path();
    const std::string reason = SaveReason(error);
    if (!reason.empty() || (withinSave && !error.Saving().empty()))
        return "无法保存词典文件" + QuotedPath(error.Saving().empty() ? path : error.Saving()) + "："
               + (reason.empty() ? Describe(error, false) : reason);
    switch (error.Fault()) {
    case DictionaryFault::Missing:
        return "词典文件" + QuotedPath(path) + "不存在";
    case DictionaryFault::Folder:
        return "无法打开词典文件" + QuotedPath(path) + "：这是一个文件夹";
    case DictionaryFault::NotPlainFile:
        return "无法打开词典文件" + QuotedPath(path) + "：这不是普通文件（可能是设备或管道），不能用作词典";
    case DictionaryFault::CannotCreate:
        return "无法创建词典文件" + QuotedPath(path);
    case DictionaryFault::CannotOpen:
        return "无法打开词典文件" + QuotedPath(path);
    case DictionaryFault::CannotRead:
        return "读取词典文件" + QuotedPath(path) + "失败";
    case DictionaryFault::RecordOutOfRange:
        return "记录号 " + std::to_string(error.Detail()) + " 超出词典范围";
    case DictionaryFault::CannotWrite:
        return "写入词典文件" + QuotedPath(path) + "失败";
    case DictionaryFault::LinkUnreadable:
        return "无法读取链接" + QuotedPath(path);
    case DictionaryFault::LinkLoop:
        return "链接" + QuotedPath(path) + "指向自身（链接循环）";
    case DictionaryFault::LockUnavailable:
        return "无法打开锁文件" + QuotedPath(path) + "，词典不能修改";
    case DictionaryFault::LockNotPlainFile:
        return "锁文件" + QuotedPath(path)
               + "不是普通文件（可能是链接、文件夹或管道），为安全起见不修改词典；请确认后删除它";
    case DictionaryFault::LockTimeout:
        return "词典正由另一个程序修改，等待 " + std::to_string(error.Detail()) + " 秒后仍未结束，请稍后再试";
    case DictionaryFault::HardLinked:
        return "词典文件" + QuotedPath(path) + "有 " + std::to_string(error.Detail())
               + " 个硬链接：保存后它将与其他链接分开，其他链接仍是旧的内容。确实要保存（把它与其他链接分开）时，请加上"
                 " --force 再运行一次";
    case DictionaryFault::BackupNotPlainFile:
        return "备份文件" + QuotedPath(path) + "不是普通文件，不能用来撤销";
    case DictionaryFault::BackupDamaged:
        return "备份文件" + QuotedPath(path) + "不是完好的词典（"
               + (error.Problem() ? cli::Describe(*error.Problem()) : std::string("内容有误"))
               + "），恢复它会让词典变坏。确实要恢复它时，请加上 --force 再运行一次";
    case DictionaryFault::BackupEmpty:
        return "备份文件" + QuotedPath(path)
               + "中没有任何数据，恢复它会删掉词典中的全部数据。确实要恢复它时，请加上 --force 再运行一次";
    case DictionaryFault::WorkFileUnwritable:
        return "无法写入临时文件" + QuotedPath(path);
    case DictionaryFault::WorkFileUnreadable:
        return "无法读取临时文件" + QuotedPath(path);
    default:
        return error.what();
    }
}

} // namespace

std::string NoChineseMessage(std::u16string_view english)
{
    if (english.empty())
        return "没有要添加的中文";
    return "英文" + Quoted(english) + "的中文为空，词典没有改动";
}

std::string AddDoneMessage(std::u16string_view english)
{
    return "数据添加完毕：" + Quoted(english);
}

std::string Quoted(std::u16string_view text)
{
    std::u16string visible;
    for (const char16_t c : text) {
        if (c >= 0x20 && c != 0x7F) {
            visible += c;
            continue;
        }
        const char* name = c == u'\t' ? "\\t" : c == u'\n' ? "\\n" : c == u'\r' ? "\\r" : c == 0 ? "\\0" : nullptr;
        char code[8];
        if (!name) {
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
            name = code;
        }
        for (const char* p = name; *p; ++p)
            visible += static_cast<char16_t>(*p);
    }
    return "“" + Utf16ToUtf8(visible) + "”";
}

std::string Describe(const DictionaryError& error)
{
    return Describe(error, true);
}

std::string Describe(const DictionaryProblem& problem)
{
    const int64_t n = problem.Record;
    switch (problem.Kind) {
    case ProblemKind::OutOfOrder:
        return RecordName(n) + "（长度 " + std::to_string(problem.Value) + "）排在" + RecordName(problem.Earlier)
               + "（长度 " + std::to_string(problem.Other) + "）之后，不是长词在前：较短的词条会先替换掉它的一部分";
    case ProblemKind::Repeated:
        return RecordName(n) + "的英文" + Quoted(problem.English) + "与" + RecordName(problem.Earlier)
               + "重复：它永远不会被用到";
    case ProblemKind::CaseRepeated:
        return RecordName(n) + "的英文" + Quoted(problem.English) + "与" + RecordName(problem.Earlier)
               + "只差大小写：翻译不分大小写，它永远不会被用到";
    case ProblemKind::BlankEnglish:
        return RecordName(n) + "的英文为空";
    case ProblemKind::BlankChinese:
        return RecordName(n) + "的中文为空：翻译会把英文" + Quoted(problem.English) + "删掉";
    case ProblemKind::ControlCharacter:
        return RecordName(n) + "的英文或中文含有换行、制表符或其他控制字符：一行的名称永远不会与它正确匹配";
    case ProblemKind::Undecodable:
        return RecordName(n) + "含有无法按 GBK 解码的字节";
    case ProblemKind::LengthMismatch:
        return RecordName(n) + "的长度字段是 " + std::to_string(problem.Value) + "，英文却有 "
               + std::to_string(problem.Other) + " 个字符";
    case ProblemKind::TrailingBytes:
        return "文件长度 " + std::to_string(problem.Value) + " 字节不是 111 的整数倍：末尾多出 "
               + std::to_string(problem.Other) + " 字节"
               + (n ? "，被读作" + RecordName(n) + "（不足的部分按空格补齐）" : "，读取时被忽略（修改词典时原样保留）");
    }
    return {};
}

std::string Describe(TermFault fault, std::u16string_view english, std::u16string_view chinese)
{
    switch (fault) {
    case TermFault::BlankEnglish:
        return "英文只有空格，不能存入词典";
    case TermFault::BlankChinese:
        return "英文" + Quoted(english) + "的中文只有空格，不能存入词典";
    case TermFault::ControlInEnglish:
        return "英文" + Quoted(english) + "含有制表符、换行或其他控制字符，不能存入词典";
    case TermFault::ControlInChinese:
        return "中文" + Quoted(chinese) + "含有制表符、换行或其他控制字符，不能存入词典";
    case TermFault::EnglishTooLong:
        return "英文词条超过 32767 个字符，无法存入词典";
    }
    return {};
}

std::string DescribeCurrentException()
{
    try {
        throw;
    } catch (const DictionaryError& error) {
        return Describe(error);
    } catch (const GbkError& error) {
        if (error.Character() == 0)
            return "文本无法用 GBK 编码保存";
        return CharacterName(error.Character()) + "无法用 GBK 编码保存";
    } catch (const TermRefused& refused) {
        return Describe(refused.Fault(), {}, {});
    } catch (const InvalidUtf8&) {
        return kInvalidUtf8Message;
    } catch (const DictionaryTooLarge&) {
        return "词典过大";
    } catch (const std::length_error&) {
        return Describe(TermFault::EnglishTooLong, {}, {});
    } catch (const std::bad_alloc&) {
        return "内存不足";
    } catch (const std::exception& error) {
        return std::string("程序出错（") + error.what() + "）";
    }
}

std::string DuplicateMessage(InsertStatus status, std::u16string_view english, std::u16string_view stored)
{
    if (status == InsertStatus::CaseDuplicate)
        return "词典中已有只差大小写的" + Quoted(stored) + "：翻译不分大小写，" + Quoted(english)
               + "永远不会被用到，没有添加";
    if (english != stored)
        return "英文" + Quoted(english) + "存入时截为 64 字节，与已有的" + Quoted(stored) + "相同，没有添加";
    return "英文" + Quoted(english) + "已经存在，没有添加";
}

std::string BatchMessage(const BatchOutcome& outcome)
{
    switch (outcome.Status) {
    case BatchOutcome::Status::ChineseListShorter:
        return "中文列表的行数少于英文列表：英文 " + std::to_string(outcome.EnglishLines) + " 行，中文 "
               + std::to_string(outcome.ChineseLines) + " 行。没有添加任何数据。";
    case BatchOutcome::Status::LineRefused: {
        std::string why;
        if (outcome.Fault == TermFault::BlankEnglish)
            why = "英文为空，中文却是" + Quoted(outcome.Chinese);
        else if (outcome.Fault == TermFault::BlankChinese)
            why = "英文" + Quoted(outcome.English) + "的中文为空";
        else
            why = Describe(outcome.Fault, outcome.English, outcome.Chinese);
        return "第 " + std::to_string(outcome.Line) + " 行：" + why + "。没有添加任何数据。";
    }
    case BatchOutcome::Status::Done:
        break;
    }
    const std::string added = "数据添加完毕：添加了 " + std::to_string(outcome.Added) + " 个";
    if (outcome.DuplicateCount == 0)
        return added;
    return added + "，" + std::to_string(outcome.DuplicateCount) + " 个已经存在";
}

} // namespace carbonym::cli
