#include "app/cardtable.h"

#include "app/programstate.h"

#include <QHash>

namespace {

const CardEntry kCards[kCardCount] = {
    {0, "Form1", "The Fool ", "The Fool"},
    {1, "Form2", "The Magus ", "The Magus"},
    {2, "Form3", "High Priestess", "High Priestess"},
    {3, "Form4", "The Empress ", "The Empress"},
    {4, "Form5", "The Emperor ", "The Emperor"},
    {5, "Form6", "Hierophant ", "Hierophant"},
    {6, "Form7", "Lovers ", "Lovers"},
    {7, "Form8", "The Chariot ", "The Chariot"},
    {8, "Form9", "Strength ", "Strength"},
    {9, "Form10", "The Hermit ", "The Hermit"},
    {10, "Form11", "Fortune ", "Fortune"},
    {11, "Form12", "Justice ", "Justice"},
    {12, "Form13", "The Hangedman ", "Hanged Man"},
    {13, "Form14", "Death ", "Death"},
    {14, "Form15", "Temperance ", "Temperance"},
    {15, "Form16", "The Devil ", "The Devil"},
    {16, "Form17", "Blasted Tower ", "Blasted Tower"},
    {17, "Form18", "The Star ", "The Star"},
    {18, "Form19", "The Moon ", "The Moon"},
    {19, "Form20", "The Sun ", "The Sun"},
    {20, "Form21", "Last Judgement ", "Last Judgement"},
    {21, "Form22", "The Universe ", "The Universe"},
    {22, "Form23", "King Wands ", "Knight Wands"},
    {23, "Form24", "Queen Wands ", "Queen Wands"},
    {24, "Form25", "Prince Wands ", "Prince Wands"},
    {25, "Form26", "Princess Wands ", "Princess Wands"},
    {26, "Form27", "King Swords ", "Knight Swords"},
    {27, "Form28", "Queen Swords ", "Queen Swords"},
    {28, "Form29", "Prince Swords ", "Prince Swords"},
    {29, "Form30", "Princess Swords ", "Princess Swords"},
    {30, "Form31", "King Cups ", "King Cups"},
    {31, "Form32", "Queen Cups ", "Queen Cups"},
    {32, "Form33", "Prince Cups ", "Prince Cups"},
    {33, "Form34", "Princess Cups ", "Princess Cups"},
    {34, "Form35", "King Disks ", "King Disks"},
    {35, "Form36", "Queen Disks ", "Queen Disks"},
    {36, "Form37", "Prince Disks ", "Prince Disks"},
    {37, "Form38", "Princess Disks ", "Princess Disks"},
    {38, "Form39", "Ace Wands ", "Ace Wands"},
    {39, "Form40", "Two Wands ", "Two Wands"},
    {40, "Form41", "Three Wands ", "Three Wands"},
    {41, "Form42", "Four Wands ", "Four Wands"},
    {42, "Form43", "Five Wands ", "Five Wands"},
    {43, "Form44", "Six Wands ", "Six Wands"},
    {44, "Form45", "Seven Wands ", "Seven Wands"},
    {45, "Form46", "Eight Wands ", "Eight Wands"},
    {46, "Form47", "Nine Wands ", "Nine Wands"},
    {47, "Form48", "Ten Wands ", "Ten Wands"},
    {48, "Form49", "Ace Cups ", "Ace Cups"},
    {49, "Form50", "Two Cups ", "Two Cups"},
    {50, "Form51", "Three Cups ", "Three Cups"},
    {51, "Form52", "Four Cups ", "Four Cups"},
    {52, "Form53", "Five Cups ", "Five Cups"},
    {53, "Form54", "Six Cups ", "Six Cups"},
    {54, "Form55", "Seven Cups ", "Seven Cups"},
    {55, "Form56", "Eight Cups ", "Eight Cups"},
    {56, "Form57", "Nine Cups ", "Nine Cups"},
    {57, "Form58", "Ten Cups ", "Ten Cups"},
    {58, "Form59", "Ace Swords ", "Ace Swords"},
    {59, "Form60", "Two Swords ", "Two Swords"},
    {60, "Form61", "Three Swords ", "Three Swords"},
    {61, "Form62", "Four Swords ", "Four Swords"},
    {62, "Form63", "Five Swords ", "Five Swords"},
    {63, "Form64", "Six Swords ", "Six Swords"},
    {64, "Form65", "Seven Swords ", "Seven Swords"},
    {65, "Form66", "Eight Swords ", "Eight Swords"},
    {66, "Form67", "Nine Swords ", "Nine Swords"},
    {67, "Form68", "Ten Swords ", "Ten Swords"},
    {68, "Form69", "Ace Disks ", "Ace Disks"},
    {69, "Form70", "Two Disks ", "Two Disks"},
    {70, "Form71", "Three Disks ", "Three Disks"},
    {71, "Form72", "Four Disks ", "Four Disks"},
    {72, "Form73", "Five Disks ", "Five Disks"},
    {73, "Form74", "Six Disks ", "Six Disks"},
    {74, "Form75", "Seven Disks ", "Seven Disks"},
    {75, "Form76", "Eight Disks ", "Eight Disks"},
    {76, "Form77", "Nine Disks ", "Nine Disks"},
    {77, "Form78", "Ten Disks ", "Ten Disks"},
};

template <typename Field>
int FindBy(const QString &text, Field field)
{
    for (const CardEntry &card : kCards) {
        if (text == QLatin1String(card.*field))
            return card.number;
    }
    return -1;
}

} // namespace

const CardEntry &Card(int number)
{
    return kCards[number];
}

QString CardKey(int number)
{
    return QLatin1String(kCards[number].key);
}

QString CardTitle(int number)
{
    return QLatin1String(kCards[number].title);
}

QString CardObjectName(int number)
{
    return QLatin1String(kCards[number].objectName);
}

int CardNumberOfKey(const QString &key)
{
    return FindBy(key, &CardEntry::key);
}

int CardNumberOfTitle(const QString &title)
{
    return FindBy(title, &CardEntry::title);
}
