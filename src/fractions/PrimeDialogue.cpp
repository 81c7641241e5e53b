// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/PrimeDialogue.h"

#include <numeric>

namespace kt {

bool DividesEvenly(int x, int v)
{
    if (x < 0)
        return true;
    return x != 0 && v % x == 0;
}

ImmediateAnswer immediateAnswer(const QString& numText, const QString& denText, int n, int d)
{
    if (numText == denText)
        return ImmediateAnswer::One;
    // Any way of typing zero ("0", "00", "-0") is a zero numerator; it must
    // never reach the quotient test, which divides by it.
    if (n == 0)
        return ImmediateAnswer::Zero;
    if (DividesEvenly(n, d))
        return ImmediateAnswer::Quotient;
    return ImmediateAnswer::None;
}

namespace {
bool bothDivisible(int p, Fraction f) { return DividesEvenly(p, f.numerator) && DividesEvenly(p, f.denominator); }

int smallestPrimeFactor(int n)
{
    for (int p = 2; p * p <= n; ++p)
        if (n % p == 0)
            return p;
    return n;
}
} // namespace

PrimeDialogue::PrimeDialogue(Fraction typed)
{
    m_chain << typed;
    NextPrime(PrimeList[1]);
}

void PrimeDialogue::NextPrime(int p)
{
    m_prime = p;
    const Fraction f = current();
    if (f.numerator < p || f.denominator < p) {
        m_done = true;
        return;
    }
    m_expectedYes = bothDivisible(p, f);
}

void PrimeDialogue::answer()
{
    if (m_done)
        return;
    m_answered = true;
    const int p = m_prime;
    if (m_expectedYes) {
        const Fraction reduced{current().numerator / p, current().denominator / p};
        if (m_chain.size() < ChainPlaces)
            m_chain << reduced;
        else
            m_chain.last() = reduced;
    }
    if (bothDivisible(p, current()))
        NextPrime(p);
    else if (m_primeStep < 15)
        NextPrime(PrimeList[++m_primeStep]);
    else
        askPastTheList();
}

void PrimeDialogue::askPastTheList()
{
    m_primeStep = 16;
    const int shared = std::gcd(current().numerator, current().denominator);
    if (shared > 1)
        NextPrime(smallestPrimeFactor(shared));
    else
        m_done = true;
}

} // namespace kt
