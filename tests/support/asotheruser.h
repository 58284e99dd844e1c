// SPDX-License-Identifier: MIT
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

// While it lives, files are opened from this thread with the rights of an ordinary user ("nobody"), also
// when the tests run as root, who may read and write anything.
class AsOtherUser
{
public:
    AsOtherUser() : m_root(::geteuid() == 0)
    {
        if (m_root) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~AsOtherUser()
    {
        if (m_root) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    AsOtherUser(const AsOtherUser &) = delete;
    AsOtherUser &operator=(const AsOtherUser &) = delete;

private:
    bool m_root;
};
