#pragma once
// Reads Turkish number words back into a value, independently of how the
// program writes them, so tests can check words against numbers.

#include <gtest/gtest.h>

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zarvik::test {

inline uint64_t readTurkishWords(const QString& text) {
    static const QHash<QString, uint64_t> small = {
        {u"bir"_qs, 1},     {u"iki"_qs, 2},    {u"üç"_qs, 3},      {u"dört"_qs, 4},
        {u"beş"_qs, 5},     {u"altı"_qs, 6},   {u"yedi"_qs, 7},    {u"sekiz"_qs, 8},
        {u"dokuz"_qs, 9},   {u"on"_qs, 10},    {u"yirmi"_qs, 20},  {u"otuz"_qs, 30},
        {u"kırk"_qs, 40},   {u"elli"_qs, 50},  {u"altmış"_qs, 60}, {u"yetmiş"_qs, 70},
        {u"seksen"_qs, 80}, {u"doksan"_qs, 90}};
    static const QHash<QString, uint64_t> scales = {{u"bin"_qs, 1000ull},
                                                    {u"milyon"_qs, 1000000ull},
                                                    {u"milyar"_qs, 1000000000ull},
                                                    {u"trilyon"_qs, 1000000000000ull}};
    if (text == u"sıfır"_qs) return 0;
    uint64_t total = 0, group = 0;
    for (const QString& word : text.split(u' ')) {
        if (small.contains(word)) {
            group += small[word];
        } else if (word == u"yüz"_qs) {
            group = (group == 0 ? 1 : group) * 100;
        } else if (scales.contains(word)) {
            total += (group == 0 ? 1 : group) * scales[word];
            group = 0;
        } else {
            ADD_FAILURE() << "unknown word '" << word.toStdString() << "' in "
                          << text.toStdString();
        }
    }
    return total + group;
}

}  // namespace zarvik::test
