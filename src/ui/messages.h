#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

// Every word the main window shows of its own: captions, notices, the line
// under the boxes and the messages of its commands. Change wording here.
namespace carbonym::ui::messages {

// The display-mode item names the display that choosing it produces.
inline QString BilingualCaption()
{
    return QStringLiteral("中英文");
}
inline QString ChineseOnlyCaption()
{
    return QStringLiteral("全中文");
}

inline QString Hint()
{
    return QStringLiteral("每行一个英文名称。选“翻译”(F5) 译成中文，再选“排序”(F6) 排成中文词序。");
}
inline QString TranslateTip()
{
    return QStringLiteral("把英文框译成中文（F5 或 Ctrl+Enter）");
}
inline QString SortTip()
{
    return QStringLiteral("把译文的每一行排成中文词序（F6 或 Ctrl+R）");
}
inline QString SortByRulesTip()
{
    return QStringLiteral("排序时按中文命名规则组合：酯、盐、水合物、醚、酮等按中文的叫法排列"
                          "（甲基 4-氯苯甲酸酯 → 4-氯苯甲酸甲酯）；不勾选时按原样排序。"
                          "已排序的译文随勾选立即重排。");
}
inline QString DisplayTip()
{
    return QStringLiteral("在每行译文上方显示它的英文原文；排序之后才可以选择");
}
inline QString NextEnglishTip()
{
    return QStringLiteral("选中译文中下一处仍是英文的地方（F3）");
}

inline QString TranslateBusy()
{
    return QStringLiteral("正在翻译，请稍候……");
}
inline QString SortBusy()
{
    return QStringLiteral("正在排序，请稍候……");
}
inline QString DisplayBusy()
{
    return QStringLiteral("正在切换显示方式，请稍候……");
}
inline QString ExportBusy()
{
    return QStringLiteral("正在导出，请稍候……");
}

inline QString EmptySource()
{
    return QStringLiteral("没有要翻译的英文内容！");
}
inline QString EmptyDictionary()
{
    return QStringLiteral("词典 source.dat 中还没有任何词条，译文与原文相同。请先用“工具 → 数据添加”添加词条。");
}
inline QString TranslateFailed(const QString& reason)
{
    return QStringLiteral("翻译失败：") + reason;
}
inline QString SortFailed(const QString& reason)
{
    return QStringLiteral("排序失败：") + reason;
}
inline QString OutOfMemory()
{
    return QStringLiteral("内存不足");
}
inline QString ProgramFault(const QString& what)
{
    return QStringLiteral("程序出错（%1）").arg(what);
}

// The line under the boxes.
inline QString EnglishLeft(size_t lines)
{
    return QStringLiteral("%1 行仍含英文").arg(lines);
}
inline QString StaleResult()
{
    return QStringLiteral("英文已改动，译文已过时，请重新翻译");
}
inline QString RulesWouldDiffer(size_t lines)
{
    return QStringLiteral("%1 行按命名规则排序会不同（设置 → 按命名规则排序）").arg(lines);
}
inline QString DisplayNeedsSort()
{
    return QStringLiteral("排序后可选“中英文”对照");
}
inline QString NoEnglishLeft()
{
    return QStringLiteral("没有未译的英文");
}
inline QString Exported(int rows, const QString& path)
{
    return QStringLiteral("已导出 %1 行到“%2”").arg(rows).arg(path);
}

inline QString ExportTitle()
{
    return QStringLiteral("导出中英文对照");
}
inline QString ExportFileName()
{
    return QStringLiteral("中英文对照.csv");
}
inline QString ExportFilter()
{
    return QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)");
}
inline QString NothingToExport()
{
    return QStringLiteral("译文框中没有可导出的内容，请先翻译。");
}
inline QString ExportStale()
{
    return QStringLiteral("英文框在翻译后改动过，译文已不是它的译文，没有导出。请重新翻译后再导出。");
}
inline QString ExportLinesDiffer(size_t chinese, size_t english)
{
    return QStringLiteral("译文有 %1 行，应有 %2 行：译文框改动过，中英文无法逐行对应，没有导出。"
                          "请重新翻译后再导出。")
        .arg(chinese)
        .arg(english);
}
inline QString CannotSave(const QString& path)
{
    return QStringLiteral("无法保存文件“%1”。请确认文件夹存在、可以写入，文件没有被其他程序占用，磁盘也没有满。")
        .arg(path);
}

inline QString Title()
{
    return QStringLiteral("提示");
}
inline QString UndoQuestion(const QString& when, long long now, long long before)
{
    return QStringLiteral("要撤销 %1 的词典修改吗？\n词典将由现在的 %2 条数据恢复为修改前的 %3 条；"
                          "再撤销一次，又恢复这次撤销掉的修改。")
        .arg(when)
        .arg(now)
        .arg(before);
}
inline QString UndoDeclined()
{
    return QStringLiteral("没有撤销，词典没有任何改动。");
}
inline QString UndoFailed(const QString& reason)
{
    return QStringLiteral("撤销失败，词典没有任何改动：") + reason;
}
inline QString NoBackup(const QString& backup)
{
    return QStringLiteral("没有可以撤销的词典修改（找不到上次修改前的备份“%1”），词典没有任何改动。").arg(backup);
}
inline QString NothingToUndo()
{
    return QStringLiteral("没有可以撤销的词典修改（备份与词典相同），词典没有任何改动。");
}
inline QString RestoreDoubtfulBackup(const QString& fault)
{
    return fault + QStringLiteral("。仍要恢复它吗？");
}
inline QString Undone()
{
    return QStringLiteral("已撤销上次词典修改，词典已恢复为修改前的样子。");
}

// A window's question before it saves a dictionary with other hard links.
inline QString HardLinkQuestion()
{
    return QStringLiteral("词典文件还有其他硬链接：保存后它将与其他链接分开，其他链接仍是旧的内容。仍要保存吗？");
}
// The busy notice of a change that takes a while.
inline QString ChangeBusy()
{
    return QStringLiteral("正在修改词典，请稍候（另一个程序正在修改时，会等它完成）……");
}

} // namespace carbonym::ui::messages

// The data-entry window's words of its own.
namespace carbonym::ui::messages {

inline QString AddFailed(const QString& reason)
{
    return QStringLiteral("数据添加失败，词典没有任何改动：") + reason;
}
inline QString Added(const QString& english, long long number)
{
    return QStringLiteral("“%1”已添加为第 %2 条数据。").arg(english).arg(number);
}
inline QString BatchAdded(long long added, const QStringList& refused)
{
    constexpr int kNamed = 10;
    QString text = QStringLiteral("共添加 %1 条数据。").arg(added);
    if (!refused.isEmpty())
        text += QStringLiteral("\n已经存在、没有添加的 %1 条：%2%3")
                    .arg(refused.size())
                    .arg(refused.mid(0, kNamed).join(QStringLiteral("、")))
                    .arg(refused.size() > kNamed ? QStringLiteral("……") : QString());
    return text;
}
inline QString EditHint()
{
    return QStringLiteral("双击中文可以修改，按回车键保存，按 Esc 键或点到别处取消。");
}

} // namespace carbonym::ui::messages
