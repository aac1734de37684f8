#pragma once
// The two texts the DDE server shares with the tracker. The published text is a fixed template of
// INI-like sections whose values are set by key; the control text the tracker pokes is read by
// key. Both are lines of "[Section]" or "Key=Value".

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class CPublished_text {
public:
    // The template, every value empty.
    CPublished_text();

    // Replaces the value after the equals sign on the line of `key`, one of the template's keys.
    void set(QStringView key, const QString &value);
    QString value(QStringView key) const;
    // Empties every value.
    void clear_values();
    // The whole text, each line followed by a line feed.
    QString text() const;

private:
    struct SLine {
        QString key; // empty for a section heading, an empty line or the closing blank
        QString head;
        QString value;
    };
    std::size_t index_of(QStringView key) const;

    std::vector<SLine> m_lines;
};

// The lines of a poked control text; a carriage return before a line feed is dropped.
QStringList PokedLines(const QString &text);

// The value of `key` in poked lines: after the equals sign of the first line whose name before it
// is `key` (blanks around the name and letter case aside), trimmed of blanks; empty when no line
// has the key.
QString PokedValue(const QStringList &lines, QStringView key);

// How far a poked counter is ahead of `stored`: 1 or 2 when `poked` is a whole decimal number in
// the counter's range that much higher, else 0. Near the top of the range nothing wraps round.
int CounterStep(std::uint32_t stored, const QString &poked);
