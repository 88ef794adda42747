#include "persist/PersistText.h"

namespace {

char FoldCase(char C)
{
    return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}

bool IsTrimmed(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

} // namespace

bool SameText(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (size_t I = 0; I < A.size(); ++I)
        if (FoldCase(A[I]) != FoldCase(B[I]))
            return false;
    return true;
}

std::string TrimText(std::string_view S)
{
    size_t First = 0;
    size_t Last = S.size();
    while (First < Last && IsTrimmed(S[First]))
        ++First;
    while (Last > First && IsTrimmed(S[Last - 1]))
        --Last;
    return std::string(S.substr(First, Last - First));
}

std::string NormaliseKeyPath(std::string_view Path)
{
    std::string Result;
    Result.reserve(Path.size());
    for (char C : Path)
        if (C != '\\' || Result.empty() || Result.back() != '\\')
            Result += C;
    if (!Result.empty() && Result.front() == '\\')
        Result.erase(0, 1);
    if (!Result.empty() && Result.back() == '\\')
        Result.pop_back();
    return Result;
}

std::string_view CutAtNul(std::string_view S, size_t MaxLen)
{
    size_t End = S.find('\0');
    if (End == std::string_view::npos)
        End = S.size();
    return S.substr(0, End < MaxLen ? End : MaxLen);
}
