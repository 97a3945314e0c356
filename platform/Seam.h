#pragma once
// A process-wide service that the program's start installs (the real dialogs,
// the desktop's opener) and a test can replace for its own lifetime. Until
// something is installed, a quiet fallback answers.

template <typename Interface> class Seam
{
public:
    explicit Seam(Interface &fallback) : m_fallback(fallback), m_current(&fallback) {}

    Interface &get() const { return *m_current; }

    // Installs `replacement` (nothing: the fallback again); returns what was
    // installed before, for the caller to put back.
    Interface *replace(Interface *replacement)
    {
        Interface *previous = m_current;
        m_current = replacement ? replacement : &m_fallback;
        return previous;
    }

private:
    Interface &m_fallback;
    Interface *m_current;
};
