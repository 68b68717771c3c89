#pragma once

#include <QRandomGenerator>
#include <QString>

// Texts a careless or hostile user types: numbers of every shape, words that
// look like numbers, blanks, letters, characters from other scripts and, now
// and then, a megabyte-long paste. Every choice comes from the generator
// handed in, so a seed replays the same texts.
class MonkeyTexts {
public:
    explicit MonkeyTexts(QRandomGenerator& rng)
        : rng_(rng)
    {
    }

    // Any text for a one-line field: no line breaks, which a one-line field
    // cannot hold.
    QString any();
    // A text meant for one of the two range fields: narrow, wide, inverted,
    // empty and out-of-range bounds are all likely.
    QString bound();
    // A number written the way a person might write it.
    QString number();
    // One of the texts known to sit on an edge of the number rules.
    QString special();
    // Letters, blanks, signs and characters from other scripts.
    QString junk(int maxLength);
    // About a megabyte, the size of a careless paste.
    QString hugePaste();

    int below(int n) { return static_cast<int>(rng_.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    QString digits(int count);

    QRandomGenerator& rng_;
};
