#pragma once
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <typeinfo>
#include <vector>

#include "core/MyLogFile.h"
#include "platform/CriticalSection.h"
#include "platform/SingleLock.h"

// Base of the program's single-instance services. A class T derives from CSingleton<T> and is
// reached through T::GetInstance(); the instance is made lazily with T's default constructor and
// lives until T::DestroyInstance() (called at the shut-down points of the program, on the main
// thread).
//
// Threads: creation is under a lock, so two threads asking at once get the same instance. Once
// DestroyInstance has run, only the thread that called it builds the instance again (a later
// GetInstance there gives a fresh object); any other thread gets null until then. A socket worker
// that comes late during shut-down must not build an instance nobody would destroy, or talk to a
// service that is gone: callers on workers check for null.
//
// A pointer from GetInstance carries no reference, so DestroyInstance cannot know whether a worker
// is still inside a call on it, and deleting under it would be a use after free. So the threads the
// instance was handed to are noted: when none of them but the destroying thread still runs, the
// instance is deleted at once (the shut-down work of its destructor happens there, as callers
// expect); when one still runs, the instance is retired instead: it stays a living object until the
// process ends and its destructor does not run. Stop the workers that use a service before
// destroying it when its destructor must run (sockets, threads).
//
// A class that must never be destroyed (its workers may still run at exit) hides DestroyInstance
// with a private using-declaration.
template <class T>
class CSingleton {
public:
    virtual ~CSingleton() {}

    static T* GetInstance()
    {
        // What this thread was last handed, and of which building. While both are still current,
        // the thread is among the noted users: no lock needed.
        struct SHanded {
            T* p;
            unsigned nBuilt;
        };
        static thread_local SHanded t_handed = {nullptr, 0};
        if (t_handed.p && s_pInstance.load() == t_handed.p && s_nBuilt.load() == t_handed.nBuilt)
            return t_handed.p;

        const DWORD dwMe = ::GetCurrentThreadId();
        CSingleLock lock(&Lock(), TRUE);
        T* p = s_pInstance.load();
        if (!p) {
            if (s_dwDestroyedBy != 0 && s_dwDestroyedBy != dwMe) return nullptr;
            p = new T();
            s_dwDestroyedBy = 0;
            Users().clear();
            // Counted before the instance is published: a thread that sees the count unchanged
            // after seeing its pointer knows no newer instance has been built in between.
            s_nBuilt.store(s_nBuilt.load() + 1);
            s_pInstance = p;
        }
        std::vector<DWORD>& users = Users();
        if (std::find(users.begin(), users.end(), dwMe) == users.end()) users.push_back(dwMe);
        t_handed = {p, s_nBuilt.load()};
        return p;
    }

    // The pointer is cleared in every case, so a second call does nothing and a later GetInstance
    // on this thread builds a fresh instance.
    static void DestroyInstance()
    {
        T* p;
        bool bHeldElsewhere = false;
        {
            CSingleLock lock(&Lock(), TRUE);
            p = s_pInstance.exchange(nullptr);
            s_dwDestroyedBy = ::GetCurrentThreadId();
            if (p) bHeldElsewhere = AnotherUserRuns(Users());
            Users().clear();
        }
        if (!bHeldElsewhere) {
            delete p;
            return;
        }
        // Left to the end of the process on purpose.
        g_ApplicationLog.Log(2, L"%hs still in use on another thread: kept to the end", typeid(T).name());
    }

protected:
    CSingleton() {}

private:
    CSingleton(const CSingleton&) = delete;
    CSingleton& operator=(const CSingleton&) = delete;

    static CCriticalSection& Lock()
    {
        static CCriticalSection s_lock;
        return s_lock;
    }

    // Threads the current instance was handed to. Never freed: a worker may still ask during the
    // process's exit.
    static std::vector<DWORD>& Users()
    {
        static std::vector<DWORD>* s_pUsers = new std::vector<DWORD>();
        return *s_pUsers;
    }

    // A thread that has ended holds nothing; one that cannot be looked at is taken as running.
    static bool AnotherUserRuns(const std::vector<DWORD>& users)
    {
        const DWORD dwMe = ::GetCurrentThreadId();
        for (DWORD dwId : users) {
            if (dwId == dwMe) continue;
            HANDLE hThread = ::OpenThread(SYNCHRONIZE, FALSE, dwId);
            if (!hThread) {
                if (::GetLastError() == ERROR_INVALID_PARAMETER) continue;  // no such thread
                return true;
            }
            const bool bRuns = ::WaitForSingleObject(hThread, 0) == WAIT_TIMEOUT;
            ::CloseHandle(hThread);
            if (bRuns) return true;
        }
        return false;
    }

    static std::atomic<T*> s_pInstance;
    static std::atomic<unsigned> s_nBuilt;
    static DWORD s_dwDestroyedBy;
};

template <class T>
std::atomic<T*> CSingleton<T>::s_pInstance{nullptr};
template <class T>
std::atomic<unsigned> CSingleton<T>::s_nBuilt{0};
template <class T>
DWORD CSingleton<T>::s_dwDestroyedBy = 0;
