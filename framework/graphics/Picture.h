#pragma once
// Graphics as plain data: each graphic keeps the bytes of its file image
// (a .bmp or .ico file) and reads its size from them; the Win32 layer makes
// bitmap and icon handles from those bytes. In a stream a graphic is one
// binary property "Data"; a picture's "Data" starts with the graphic's class
// name (length byte + characters).

#include <cstdint>
#include <string>

#include "framework/objects/Classes.h"

class TStream;

class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

class TGraphic : public TPersistent {
  QV_CLASS(TGraphic, TPersistent)
public:
  bool Empty() const { return FImage.empty(); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The file image ("BM..." for a bitmap, an icon directory for an icon).
  const std::string& Image() const { return FImage; }
  // Replaces the image; EInvalidGraphic when it is not one of this class.
  void SetImage(std::string Image);
  void Clear();

  void LoadFromStream(TStream& Stream);  // the rest of the stream is the file image
  void SaveToStream(TStream& Stream) const;
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;
  // The form-file form of the graphic (the "Data" property's bytes).
  virtual void ReadData(TStream& Stream);
  virtual void WriteData(TStream& Stream) const;

  uint32_t Revision() const { return FRevision; }
  TNotifyEvent OnChange;

protected:
  TGraphic() = default;
  // Checks an image of this class and gives its size.
  virtual void ParseImage(const std::string& Image, int& Width, int& Height) const = 0;
  void Changed();

private:
  std::string FImage;
  int FWidth = 0;
  int FHeight = 0;
  uint32_t FRevision = 0;
};

// Form data: 4-byte little-endian length, then the .bmp file.
class TBitmap : public TGraphic {
  QV_CLASS(TBitmap, TGraphic)
public:
  TBitmap() = default;
  void ReadData(TStream& Stream) override;
  void WriteData(TStream& Stream) const override;

protected:
  void ParseImage(const std::string& Image, int& Width, int& Height) const override;
};

// Form data: the .ico file itself.
class TIcon : public TGraphic {
  QV_CLASS(TIcon, TGraphic)
public:
  TIcon() = default;

protected:
  void ParseImage(const std::string& Image, int& Width, int& Height) const override;
};

class TPicture : public TPersistent {
  QV_CLASS(TPicture, TPersistent)
public:
  TPicture() = default;
  ~TPicture() override;

  TGraphic* Graphic() const { return FGraphic; }
  // Takes a copy of Value (nullptr removes the graphic).
  void SetGraphic(TGraphic* Value);
  TBitmap* Bitmap();  // replaces a graphic of another class by an empty bitmap
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }
  // By extension: .bmp a bitmap, .ico an icon; EInvalidGraphic otherwise.
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;
  TNotifyEvent OnChange;

private:
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream) const;
  void ReplaceGraphic(TGraphic* Value);  // takes ownership
  void Changed();

  TGraphic* FGraphic = nullptr;
};
