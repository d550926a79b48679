#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A list indexed from 1, as every table and record of the program is. Reading
// past either end gives an empty value instead of undefined behaviour, so a
// short or damaged record never crashes a reader.
template <typename T>
class OneBasedList
{
public:
    OneBasedList() = default;
    explicit OneBasedList(int size) : m_items(qMax(0, size)) {}
    OneBasedList(std::initializer_list<T> items) : m_items(items) {}
    static OneBasedList fromList(const QList<T> &items)
    {
        OneBasedList list;
        list.m_items = items;
        return list;
    }

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }

    const T &operator[](int i) const
    {
        static const T empty{};
        return (i >= 1 && i <= size()) ? m_items[i - 1] : empty;
    }
    const T &at(int i) const { return (*this)[i]; }

    // Writes element i, growing the list when i lies past its end.
    void set(int i, const T &value)
    {
        if (i < 1)
            return;
        if (i > size())
            m_items.resize(i);
        m_items[i - 1] = value;
    }
    void append(const T &value) { m_items.append(value); }
    void resize(int size) { m_items.resize(qMax(0, size)); }

    // Elements 1 .. n (fewer if the list is shorter).
    QList<T> first(int n) const { return m_items.mid(0, qBound(0, n, size())); }
    const QList<T> &toList() const { return m_items; }

    bool operator==(const OneBasedList &other) const = default;

private:
    QList<T> m_items;
};

using FieldList = OneBasedList<QString>;
using CountList = OneBasedList<qint16>;
