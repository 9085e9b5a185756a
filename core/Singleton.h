#pragma once
#include <windows.h>

#include <atomic>

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
// A class that must never be destroyed (its workers may still run at exit) hides DestroyInstance
// with a private using-declaration.
template <class T>
class CSingleton {
public:
    virtual ~CSingleton() {}

    static T* GetInstance()
    {
        T* p = s_pInstance.load();
        if (p) return p;
        CSingleLock lock(&Lock(), TRUE);
        p = s_pInstance.load();
        if (p) return p;
        if (s_dwDestroyedBy != 0 && s_dwDestroyedBy != GetCurrentThreadId()) return nullptr;
        p = new T();
        s_dwDestroyedBy = 0;
        s_pInstance = p;
        return p;
    }

    // Deleting through the virtual destructor; the pointer is cleared in every case, so a second
    // call does nothing and a later GetInstance on this thread builds a fresh instance.
    static void DestroyInstance()
    {
        T* p;
        {
            CSingleLock lock(&Lock(), TRUE);
            p = s_pInstance.exchange(nullptr);
            s_dwDestroyedBy = GetCurrentThreadId();
        }
        delete p;
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

    static std::atomic<T*> s_pInstance;
    static DWORD s_dwDestroyedBy;
};

template <class T>
std::atomic<T*> CSingleton<T>::s_pInstance{nullptr};
template <class T>
DWORD CSingleton<T>::s_dwDestroyedBy = 0;
