#include "framework/graphics/Picture.h"

#include <memory>

#include "framework/objects/Filer.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

QV_IMPLEMENT_CLASS_NOPROPS(TGraphic)
QV_IMPLEMENT_CLASS_NOPROPS(TBitmap)
QV_IMPLEMENT_CLASS_NOPROPS(TIcon)
QV_IMPLEMENT_CLASS_NOPROPS(TPicture)

namespace {
uint32_t Le(const std::string& S, size_t Offset, int Bytes)
{
  uint32_t v = 0;
  for (int i = 0; i < Bytes; ++i)
    v |= static_cast<uint32_t>(static_cast<uint8_t>(S[Offset + static_cast<size_t>(i)])) << (8 * i);
  return v;
}

std::string ReadRest(TStream& Stream)
{
  std::string data(static_cast<size_t>(Stream.Remaining()), '\0');
  Stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
  return data;
}
}  // namespace

// ---------------------------------------------------------------------------
// TGraphic

void TGraphic::SetImage(std::string Image)
{
  int width = 0, height = 0;
  if (!Image.empty()) ParseImage(Image, width, height);
  FImage = std::move(Image);
  FWidth = width;
  FHeight = height;
  Changed();
}

void TGraphic::Clear()
{
  if (!FImage.empty()) SetImage(std::string());
}

void TGraphic::Changed()
{
  ++FRevision;
  OnChange(this);
}

void TGraphic::LoadFromStream(TStream& Stream) { SetImage(ReadRest(Stream)); }

void TGraphic::SaveToStream(TStream& Stream) const
{
  Stream.WriteBuffer(FImage.data(), static_cast<int64_t>(FImage.size()));
}

void TGraphic::LoadFromFile(const std::string& FileName)
{
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) const
{
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

void TGraphic::Assign(TPersistent* Source)
{
  if (!Source) {
    Clear();
    return;
  }
  auto* other = dynamic_cast<TGraphic*>(Source);
  if (other && other->ClassInfo().InheritsFrom(ClassInfo())) {
    if (other != this) SetImage(other->FImage);
    return;
  }
  TPersistent::Assign(Source);
}

void TGraphic::ReadData(TStream& Stream) { SetImage(ReadRest(Stream)); }

void TGraphic::WriteData(TStream& Stream) const { SaveToStream(Stream); }

void TGraphic::DefineProperties(TFiler& Filer)
{
  TPersistent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

// ---------------------------------------------------------------------------
// TBitmap

void TBitmap::ParseImage(const std::string& Image, int& Width, int& Height) const
{
  if (Image.size() < 26 || Image[0] != 'B' || Image[1] != 'M') throw EInvalidGraphic("Bitmap image is not valid");
  const uint32_t headerSize = Le(Image, 14, 4);
  if (headerSize == 12) {
    Width = static_cast<int16_t>(Le(Image, 18, 2));
    Height = static_cast<int16_t>(Le(Image, 20, 2));
  } else {
    if (headerSize < 16 || Image.size() < 30) throw EInvalidGraphic("Bitmap image is not valid");
    Width = static_cast<int32_t>(Le(Image, 18, 4));
    const int64_t h = static_cast<int32_t>(Le(Image, 22, 4));
    Height = static_cast<int>(h < 0 ? -h : h);  // top-down bitmaps have a negative height
  }
  if (Width < 0) throw EInvalidGraphic("Bitmap image is not valid");
}

void TBitmap::ReadData(TStream& Stream)
{
  uint8_t b[4];
  Stream.ReadBuffer(b, 4);
  const int64_t size = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<int64_t>(b[3]) << 24);
  if (size > Stream.Remaining()) throw EReadError("Stream read error");
  std::string image(static_cast<size_t>(size), '\0');
  Stream.ReadBuffer(image.data(), size);
  SetImage(std::move(image));
}

void TBitmap::WriteData(TStream& Stream) const
{
  const uint32_t size = static_cast<uint32_t>(Image().size());
  const uint8_t b[4] = {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
  Stream.WriteBuffer(b, 4);
  SaveToStream(Stream);
}

// ---------------------------------------------------------------------------
// TIcon

void TIcon::ParseImage(const std::string& Image, int& Width, int& Height) const
{
  if (Image.size() < 6 || Le(Image, 0, 2) != 0 || Le(Image, 2, 2) != 1)
    throw EInvalidGraphic("Icon image is not valid");
  const uint32_t count = Le(Image, 4, 2);
  if (count == 0 || Image.size() < 6 + 16 * static_cast<size_t>(count))
    throw EInvalidGraphic("Icon image is not valid");
  // A size byte of 0 stands for 256 pixels.
  Width = static_cast<uint8_t>(Image[6]) ? static_cast<uint8_t>(Image[6]) : 256;
  Height = static_cast<uint8_t>(Image[7]) ? static_cast<uint8_t>(Image[7]) : 256;
}

// ---------------------------------------------------------------------------
// TPicture

TPicture::~TPicture() { delete FGraphic; }

void TPicture::ReplaceGraphic(TGraphic* Value)
{
  delete FGraphic;
  FGraphic = Value;
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() { OnChange(this); }

void TPicture::SetGraphic(TGraphic* Value)
{
  if (Value == FGraphic) return;
  if (!Value) {
    ReplaceGraphic(nullptr);
    return;
  }
  std::unique_ptr<TObject> copy(CreateObjectByClassName(Value->ClassName()));
  auto* graphic = dynamic_cast<TGraphic*>(copy.get());
  if (!graphic) throw EInvalidGraphic("Class " + Value->ClassName() + " is not a graphic");
  graphic->Assign(Value);
  copy.release();
  ReplaceGraphic(graphic);
}

TBitmap* TPicture::Bitmap()
{
  auto* bitmap = dynamic_cast<TBitmap*>(FGraphic);
  if (!bitmap) {
    bitmap = new TBitmap();
    ReplaceGraphic(bitmap);
  }
  return bitmap;
}

void TPicture::LoadFromFile(const std::string& FileName)
{
  const size_t dot = FileName.rfind('.');
  const std::string ext = dot == std::string::npos ? std::string() : LowerCase(FileName.substr(dot + 1));
  std::unique_ptr<TGraphic> graphic;
  if (ext == "bmp")
    graphic = std::make_unique<TBitmap>();
  else if (ext == "ico")
    graphic = std::make_unique<TIcon>();
  else
    throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
  graphic->LoadFromFile(FileName);
  ReplaceGraphic(graphic.release());
}

void TPicture::SaveToFile(const std::string& FileName) const
{
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source)
{
  if (!Source) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->FGraphic);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::ReadData(TStream& Stream)
{
  uint8_t len;
  Stream.ReadBuffer(&len, 1);
  std::string className(len, '\0');
  Stream.ReadBuffer(className.data(), len);
  if (className.empty()) {
    ReplaceGraphic(nullptr);
    return;
  }
  const TClassInfo* info = FindClassInfo(className);
  if (!info || !info->InheritsFrom(TGraphic::StaticClass()) || !info->CreateObject)
    throw EReadError("Class " + className + " is not a graphic class");
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(info->CreateObject()));
  graphic->ReadData(Stream);
  ReplaceGraphic(graphic.release());
}

void TPicture::WriteData(TStream& Stream) const
{
  const std::string name = FGraphic ? FGraphic->ClassName() : std::string();
  const uint8_t len = static_cast<uint8_t>(name.size());
  Stream.WriteBuffer(&len, 1);
  Stream.WriteBuffer(name.data(), len);
  if (FGraphic) FGraphic->WriteData(Stream);
}

void TPicture::DefineProperties(TFiler& Filer)
{
  TPersistent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic && !FGraphic->Empty());
}
