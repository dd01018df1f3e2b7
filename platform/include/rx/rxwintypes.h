// The two Windows handle types the module interface needs (resource handles and automation
// results). Guarded so that another header of the platform may supply the same definitions.
#pragma once
#include <cstdint>

#ifndef CADPLATFORM_HINSTANCE_DEFINED
#define CADPLATFORM_HINSTANCE_DEFINED
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
#endif

#ifndef CADPLATFORM_HRESULT_DEFINED
#define CADPLATFORM_HRESULT_DEFINED
typedef std::int32_t HRESULT;
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define DISP_E_UNKNOWNNAME ((HRESULT)0x80020006L)
#define DISP_E_BADPARAMCOUNT ((HRESULT)0x8002000EL)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif
