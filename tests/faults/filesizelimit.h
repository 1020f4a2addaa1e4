#pragma once

#include <QtGlobal>

// A disk that fills up, for as long as the object lives: every file this process writes stops
// growing at `bytes`, and a write past it fails (EFBIG) as a write onto a full disk does. The
// signal the kernel sends on such a write is ignored meanwhile, so the write just fails.
class FileSizeLimit final
{
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

    // Whether this system let the limit be set.
    bool inForce() const { return m_inForce; }

private:
    bool m_inForce = false;
    quint64 m_previousSoft = 0;
    void (*m_previousHandler)(int) = nullptr;
};
