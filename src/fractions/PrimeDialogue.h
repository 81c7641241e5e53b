// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reduction tutor's arithmetic: the answers it states at once, and the
// yes/no dialogue over the primes with the chain of fractions it writes
// (12/18 = 6/9 = 2/3). No widgets; the window shows what this decides.
#include <QList>
#include <QString>
#include <array>

namespace kt {

struct Fraction {
    int numerator;
    int denominator;
    bool operator==(const Fraction&) const = default;
};

// The primes asked about in turn, by PrimeStep 1 to 15.
inline constexpr std::array<int, 16> PrimeList{0, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};

// Whether x goes into v without a remainder; every negative x counts as
// going in (the tutor then states the quotient at once).
bool DividesEvenly(int x, int v);

// The answer stated without a dialogue, if any.
enum class ImmediateAnswer { None, One, Zero, Quotient };

// For the fraction typed as numText over denText (their values n and d):
// one when the two texts are the same, zero for any numerator of value 0,
// the quotient n / d when n goes into d (or n is negative).
ImmediateAnswer immediateAnswer(const QString& numText, const QString& denText, int n, int d);

// The dialogue over the primes for a fraction with positive terms. Each
// prime is asked about again while the current fraction still divides by it;
// past the list's last prime (47) the smallest prime of whatever factor the
// terms still share is asked about, so the dialogue always ends at the
// lowest terms.
class PrimeDialogue {
public:
    // The chain shows at most this many fractions; a longer reduction writes
    // its newest fraction into the last place.
    static constexpr int ChainPlaces = 6;

    explicit PrimeDialogue(Fraction typed);

    // True once the fraction can not be reduced further.
    bool done() const { return m_done; }
    // The prime of the open question, and whether its right answer is yes.
    int prime() const { return m_prime; }
    bool ExpectedYes() const { return m_expectedYes; }
    // Whether any question was answered (a dialogue that ended at once
    // earns nothing).
    bool answered() const { return m_answered; }

    // The child answered the open question, rightly or not: a yes divides
    // the current fraction by the prime and writes it into the chain; then
    // the next question is asked or the dialogue ends.
    void answer();

    const QList<Fraction>& chain() const { return m_chain; }
    Fraction current() const { return m_chain.constLast(); }

private:
    void NextPrime(int p);
    void askPastTheList();

    QList<Fraction> m_chain;
    int m_primeStep = 1; // 1 to 15 along the list, 16 past it
    int m_prime = 2;
    bool m_expectedYes = false;
    bool m_done = false;
    bool m_answered = false;
};

} // namespace kt
