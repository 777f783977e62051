// A container's IPropertyBag as the control's model reads and writes it.
#include "flintor/win32/ComPropertyBag.h"

#include <string>

#include "flintor/FlintorErrors.h"
#include "flintor/win32/OlePicture.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Variant.h"

namespace velmora::flintor::win32 {

using velmora::win32::Variant;

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

PropertyValue ComPropertyBag::Read(const std::string& name, ValueKind kind) {
    Variant stored;
    // Whatever the bag keeps, as it keeps it; the conversion is ours, like a property bag
    // reader with a default.
    if (FAILED(bag_->Read(Wide(name).c_str(), stored.Get(), nullptr))) return MissingValue{};
    if (kind == ValueKind::Picture) {
        const VARTYPE type = V_VT(stored.Get());
        if (type == VT_EMPTY || type == VT_NULL) return PicturePtr{};
        if (type != VT_DISPATCH && type != VT_UNKNOWN) return MismatchedValue{};
        IUnknown* object = type == VT_DISPATCH ? V_DISPATCH(stored.Get()) : V_UNKNOWN(stored.Get());
        if (!object) return PicturePtr{};
        ComPtr<IPictureDisp> picture;
        if (FAILED(object->QueryInterface(IID_IPictureDisp, picture.PutVoid())))
            return MismatchedValue{};
        return PicturePtr(OlePicture::FromDispatch(picture.Get()));
    }
    Variant converted;
    const VARTYPE wanted = kind == ValueKind::Long ? VT_I4 : VT_BOOL;
    if (FAILED(VariantChangeType(converted.Get(), stored.Get(), 0, wanted)))
        return MismatchedValue{};
    if (kind == ValueKind::Long) return static_cast<std::int32_t>(V_I4(converted.Get()));
    return V_BOOL(converted.Get()) != VARIANT_FALSE;
}

void ComPropertyBag::Write(const std::string& name, const PropertyValue& value) {
    Variant out;
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        out.SetLong(*number);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out.SetBool(*flag);
    } else if (const auto* picture = std::get_if<PicturePtr>(&value)) {
        const OlePicture* ole = OlePicture::Of(*picture);
        V_VT(out.Get()) = VT_DISPATCH;
        V_DISPATCH(out.Get()) = ole ? ole->Dispatch() : nullptr;
        if (V_DISPATCH(out.Get())) V_DISPATCH(out.Get())->AddRef();
    } else {
        return;
    }
    const HRESULT result = bag_->Write(Wide(name).c_str(), out.Get());
    if (FAILED(result)) throw RuntimeError(result, "The container could not save " + name);
}

}  // namespace velmora::flintor::win32
