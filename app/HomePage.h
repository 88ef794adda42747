#pragma once

// Where Help > Visit Home Page and the about box send the user.
inline constexpr const char* QuorvikHomePage = "https://www.halbrand.example/quorvik/";
