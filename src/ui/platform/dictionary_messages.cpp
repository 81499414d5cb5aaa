#include "ui/platform/dictionary_messages.h"

#include "dictionary/gbk_codec.h"
#include "dictionary/term_check.h"
#include "text/utf8.h"
#include "translation/term_automaton.h"

#include <stdexcept>

namespace carbonym::ui {

namespace {

QString Quoted(std::u16string_view text)
{
    QString visible;
    for (const char16_t c : text) {
        if (c == u'\t')
            visible += QStringLiteral("\\t");
        else if (c == u'\n')
            visible += QStringLiteral("\\n");
        else if (c == u'\r')
            visible += QStringLiteral("\\r");
        else if (c < 0x20 || c == 0x7F)
            visible += QStringLiteral("\\x%1").arg(static_cast<int>(c), 2, 16, QLatin1Char('0'));
        else
            visible += QChar(c);
    }
    return QStringLiteral("“%1”").arg(visible);
}

QString QuotedPath(const std::filesystem::path& path)
{
    return Quoted(path.u16string());
}

QString RecordName(int64_t n)
{
    return QStringLiteral("第 %1 条").arg(n);
}

QString SaveReason(const DictionaryError& error)
{
    switch (error.Fault()) {
    case DictionaryFault::ReadOnly:
        return QStringLiteral("文件只读或被占用");
    case DictionaryFault::CannotCreateWorkFile:
        return QStringLiteral("无法在其所在的文件夹中写入文件");
    case DictionaryFault::DiskFull:
        return QStringLiteral("写入失败（磁盘可能已满）");
    case DictionaryFault::CannotKeepOwner:
        return QStringLiteral("无法保留原文件的所有者（用户 %1）：请以该用户身份修改词典").arg(error.Detail());
    case DictionaryFault::CannotKeepMode:
        return QStringLiteral("无法保留原文件的权限");
    case DictionaryFault::CannotReplace:
        return QStringLiteral("无法替换原文件（文件可能被占用或只读）");
    case DictionaryFault::CannotOpenFolder:
        return QStringLiteral("无法打开其所在的文件夹");
    case DictionaryFault::CannotSyncFolder:
        return QStringLiteral("无法把文件夹的改动写入磁盘");
    default:
        return {};
    }
}

QString DescribeProblem(const DictionaryProblem& problem)
{
    const int64_t n = problem.Record;
    switch (problem.Kind) {
    case ProblemKind::OutOfOrder:
        return QStringLiteral("%1排在%2之后，不是长词在前").arg(RecordName(n), RecordName(problem.Earlier));
    case ProblemKind::Repeated:
    case ProblemKind::CaseRepeated:
        return QStringLiteral("%1的英文%2与%3重复")
            .arg(RecordName(n), Quoted(problem.English), RecordName(problem.Earlier));
    case ProblemKind::BlankEnglish:
        return QStringLiteral("%1的英文为空").arg(RecordName(n));
    case ProblemKind::BlankChinese:
        return QStringLiteral("%1的中文为空").arg(RecordName(n));
    case ProblemKind::ControlCharacter:
        return QStringLiteral("%1含有换行、制表符或其他控制字符").arg(RecordName(n));
    case ProblemKind::Undecodable:
        return QStringLiteral("%1含有无法按 GBK 解码的字节").arg(RecordName(n));
    case ProblemKind::LengthMismatch:
        return QStringLiteral("%1的长度字段是 %2，英文却有 %3 个字符")
            .arg(RecordName(n))
            .arg(problem.Value)
            .arg(problem.Other);
    case ProblemKind::TrailingBytes:
        return QStringLiteral("文件长度 %1 字节不是 111 的整数倍").arg(problem.Value);
    }
    return {};
}

QString Describe(const DictionaryError& error, bool withinSave)
{
    const auto& path = error.Path();
    const QString reason = SaveReason(error);
    if (!reason.isEmpty() || (withinSave && !error.Saving().empty()))
        return QStringLiteral("无法保存词典文件%1：%2")
            .arg(QuotedPath(error.Saving().empty() ? path : error.Saving()),
                 reason.isEmpty() ? Describe(error, false) : reason);
    switch (error.Fault()) {
    case DictionaryFault::Missing:
        return QStringLiteral("词典文件%1不存在").arg(QuotedPath(path));
    case DictionaryFault::Folder:
        return QStringLiteral("无法打开词典文件%1：这是一个文件夹").arg(QuotedPath(path));
    case DictionaryFault::NotPlainFile:
        return QStringLiteral("无法打开词典文件%1：这不是普通文件（可能是设备或管道），不能用作词典")
            .arg(QuotedPath(path));
    case DictionaryFault::CannotCreate:
        return QStringLiteral("无法创建词典文件%1").arg(QuotedPath(path));
    case DictionaryFault::CannotOpen:
        return QStringLiteral("无法打开词典文件%1").arg(QuotedPath(path));
    case DictionaryFault::CannotRead:
        return QStringLiteral("读取词典文件%1失败").arg(QuotedPath(path));
    case DictionaryFault::RecordOutOfRange:
        return QStringLiteral("记录号 %1 超出词典范围").arg(error.Detail());
    case DictionaryFault::CannotWrite:
        return QStringLiteral("写入词典文件%1失败").arg(QuotedPath(path));
    case DictionaryFault::LinkUnreadable:
        return QStringLiteral("无法读取链接%1").arg(QuotedPath(path));
    case DictionaryFault::LinkLoop:
        return QStringLiteral("链接%1指向自身（链接循环）").arg(QuotedPath(path));
    case DictionaryFault::LockUnavailable:
        return QStringLiteral("无法打开锁文件%1，词典不能修改").arg(QuotedPath(path));
    case DictionaryFault::LockNotPlainFile:
        return QStringLiteral("锁文件%1不是普通文件（可能是链接、文件夹或管道），为安全起见不修改词典；请确认后删除它")
            .arg(QuotedPath(path));
    case DictionaryFault::LockTimeout:
        return QStringLiteral("词典正由另一个程序修改，等待 %1 秒后仍未结束，请稍后再试").arg(error.Detail());
    case DictionaryFault::HardLinked:
        return QStringLiteral("词典文件%1有 %2 个硬链接：保存后它将与其他链接分开，其他链接仍是旧的内容")
            .arg(QuotedPath(path))
            .arg(error.Detail());
    case DictionaryFault::BackupNotPlainFile:
        return QStringLiteral("备份文件%1不是普通文件，不能用来撤销").arg(QuotedPath(path));
    case DictionaryFault::BackupDamaged:
        return QStringLiteral("备份文件%1不是完好的词典（%2），恢复它会让词典变坏")
            .arg(QuotedPath(path), error.Problem() ? DescribeProblem(*error.Problem()) : QStringLiteral("内容有误"));
    case DictionaryFault::BackupEmpty:
        return QStringLiteral("备份文件%1中没有任何数据，恢复它会删掉词典中的全部数据").arg(QuotedPath(path));
    case DictionaryFault::WorkFileUnwritable:
        return QStringLiteral("无法写入临时文件%1").arg(QuotedPath(path));
    case DictionaryFault::WorkFileUnreadable:
        return QStringLiteral("无法读取临时文件%1").arg(QuotedPath(path));
    default:
        return QString::fromUtf8(error.what());
    }
}

} // namespace

QString DescribeFault(TermFault fault, std::u16string_view english, std::u16string_view chinese)
{
    switch (fault) {
    case TermFault::BlankEnglish:
        return QStringLiteral("英文只有空格，不能存入词典");
    case TermFault::BlankChinese:
        return QStringLiteral("英文%1的中文只有空格，不能存入词典").arg(Quoted(english));
    case TermFault::ControlInEnglish:
        return QStringLiteral("英文%1含有制表符、换行或其他控制字符，不能存入词典").arg(Quoted(english));
    case TermFault::ControlInChinese:
        return QStringLiteral("中文%1含有制表符、换行或其他控制字符，不能存入词典").arg(Quoted(chinese));
    case TermFault::EnglishTooLong:
        return QStringLiteral("英文词条超过 32767 个字符，无法存入词典");
    }
    return {};
}

QString Describe(const DictionaryError& error)
{
    return Describe(error, true);
}

QString DescribeCurrentException()
{
    try {
        throw;
    } catch (const DictionaryError& error) {
        return Describe(error);
    } catch (const GbkError& error) {
        if (error.Character() == 0)
            return QStringLiteral("文本无法用 GBK 编码保存");
        const char32_t c = error.Character();
        const QString code = QStringLiteral("U+")
                             + QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return QStringLiteral("字符 %1无法用 GBK 编码保存").arg(code);
        return QStringLiteral("字符“%1”(%2)无法用 GBK 编码保存").arg(QString::fromUcs4(&c, 1), code);
    } catch (const TermRefused& refused) {
        return DescribeFault(refused.Fault(), {}, {});
    } catch (const InvalidUtf8&) {
        return QStringLiteral("文本不是有效的 UTF-8");
    } catch (const DictionaryTooLarge&) {
        return QStringLiteral("词典过大");
    } catch (const std::length_error&) {
        return DescribeFault(TermFault::EnglishTooLong, {}, {});
    } catch (const std::bad_alloc&) {
        return QStringLiteral("内存不足");
    } catch (const std::exception& error) {
        return QStringLiteral("程序出错（%1）").arg(QString::fromUtf8(error.what()));
    }
}

QString AddFailedMessage()
{
    return QStringLiteral("数据添加失败，词典没有任何改动：") + DescribeCurrentException();
}

std::vector<QString> AddMessages(const AddOutcome& outcome)
{
    switch (outcome.Status) {
    case AddStatus::Inserted:
        return {QString::fromUtf8(kAddDoneMessage)};
    case AddStatus::Duplicate:
        if (outcome.English == outcome.Stored)
            return {QString::fromUtf8(kDuplicateMessage)}; // a refusal is not followed by a completion notice
        return {QStringLiteral("英文%1存入时截为 64 字节，与已有的%2相同，没有添加")
                    .arg(Quoted(outcome.English), Quoted(outcome.Stored))};
    case AddStatus::CaseDuplicate:
        return {QStringLiteral("词典中已有只差大小写的%1：翻译不分大小写，%2永远不会被用到，没有添加")
                    .arg(Quoted(outcome.Stored), Quoted(outcome.English))};
    case AddStatus::NoEnglish:
        return {QString::fromUtf8(kNoEnglishMessage)};
    case AddStatus::NoChinese:
        return {QString::fromUtf8(kNoChineseMessage)};
    case AddStatus::Refused:
        return {QStringLiteral("数据添加失败，词典没有任何改动：") + DescribeFault(outcome.Fault, outcome.English, {})};
    case AddStatus::FirstRecord:
        break;
    }
    return {};
}

QString BatchMessage(const BoxBatchOutcome& boxes)
{
    switch (boxes.Status) {
    case BoxBatchOutcome::Status::NoEnglish:
        return QString::fromUtf8(kNoEnglishMessage);
    case BoxBatchOutcome::Status::NoChinese:
        return QString::fromUtf8(kNoChineseMessage);
    case BoxBatchOutcome::Status::Ran:
        break;
    }
    const BatchOutcome& outcome = boxes.Batch;
    switch (outcome.Status) {
    case BatchOutcome::Status::ChineseListShorter:
        return QStringLiteral("中文列表的行数少于英文列表：英文 %1 行，中文 %2 行。没有添加任何数据。")
            .arg(outcome.EnglishLines)
            .arg(outcome.ChineseLines);
    case BatchOutcome::Status::LineRefused: {
        QString why;
        if (outcome.Fault == TermFault::BlankEnglish)
            why = QStringLiteral("英文为空，中文却是%1").arg(Quoted(outcome.Chinese));
        else if (outcome.Fault == TermFault::BlankChinese)
            why = QStringLiteral("英文%1的中文为空").arg(Quoted(outcome.English));
        else
            why = DescribeFault(outcome.Fault, outcome.English, outcome.Chinese);
        return QStringLiteral("第 %1 行：%2。没有添加任何数据。").arg(outcome.Line).arg(why);
    }
    case BatchOutcome::Status::Done:
        break;
    }
    if (outcome.DuplicateCount == 0)
        return QString::fromUtf8(kBatchDoneMessage);
    return QStringLiteral("数据添加完毕，已经有  %1  个数据存在").arg(outcome.DuplicateCount);
}

QString ShowRecordMessage(const ShownRecord& shown)
{
    if (shown.Status == ShownRecord::Status::Failed)
        return QStringLiteral("无法显示记录：") + (shown.Error ? Describe(*shown.Error) : QString());
    const QString number = shown.Number ? QString::number(*shown.Number) : QString::fromStdU16String(shown.NumberText);
    if (shown.Count == 0)
        return QStringLiteral("没有记录号为 %1 的数据：词典中还没有任何数据").arg(number);
    return QStringLiteral("没有记录号为 %1 的数据：请输入 1 到 %2 之间的记录号").arg(number).arg(shown.Count);
}

} // namespace carbonym::ui
