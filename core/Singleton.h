#pragma once

// Base of the program's single-instance services. A class T derives from CSingleton<T> and is
// reached through T::GetInstance(); the instance is made lazily with T's default constructor and
// lives until T::DestroyInstance() (called at the shut-down points of the program, on the main
// thread). Neither takes a lock: every instance is first created on the main thread before any
// worker thread can reach it.
//
// A class that must never be destroyed (its workers may still run at exit) hides DestroyInstance
// with a private using-declaration.
template <class T>
class CSingleton {
public:
    virtual ~CSingleton() {}

    static T* GetInstance()
    {
        if (s_pInstance == nullptr)
            s_pInstance = new T();
        return s_pInstance;
    }

    // Deleting through the virtual destructor; the pointer is cleared in every case, so a second
    // call does nothing and a later GetInstance builds a fresh instance.
    static void DestroyInstance()
    {
        T* p = s_pInstance;
        s_pInstance = nullptr;
        delete p;
    }

protected:
    CSingleton() {}

private:
    CSingleton(const CSingleton&) = delete;
    CSingleton& operator=(const CSingleton&) = delete;

    static T* s_pInstance;
};

template <class T>
T* CSingleton<T>::s_pInstance = nullptr;
