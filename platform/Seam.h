#pragma once
// A process-wide service with a real implementation that a test can replace
// for its own lifetime (the dialogs, the shell).

template <typename Interface>
class Seam
{
public:
    explicit Seam(Interface &real) : m_real(real), m_current(&real) {}

    Interface &get() const { return *m_current; }

    // Installs `replacement` (nothing: the real one again); returns what was
    // installed before.
    Interface *replace(Interface *replacement)
    {
        Interface *previous = m_current;
        m_current = replacement ? replacement : &m_real;
        return previous;
    }

private:
    Interface &m_real;
    Interface *m_current;
};
