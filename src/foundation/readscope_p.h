#ifndef DAL_READSCOPE_P_H
#define DAL_READSCOPE_P_H

// State that the reading steps of one reader share while a read runs (an
// element index, the files read so far), without threading it through every
// signature: a ReadScope makes state current for its own lifetime and puts
// back whatever was current before, so reads nest and nothing is left behind
// when a read ends early. Internal to the library.
template <typename State>
class ReadScope
{
public:
    explicit ReadScope(State &state)
        : m_outer(s_current)
    {
        s_current = &state;
    }
    ~ReadScope() { s_current = m_outer; }
    ReadScope(ReadScope const &) = delete;
    ReadScope &operator=(ReadScope const &) = delete;

    // The state of the innermost scope, or null outside any.
    static State *current() { return s_current; }

private:
    State *m_outer;
    static inline State *s_current = nullptr;
};

#endif // DAL_READSCOPE_P_H
