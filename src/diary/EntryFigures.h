#pragma once

#include <string>


// What the diary panel says of the numbers stored with an entry: its body mass index with the
// WHO band it falls in, and its daily calorie need.

// "underweight" below 18.5, "normal" below 25, "overweight" below 30, else "obese".
const char* BmiBand(double bmi);
// "BMI 25.4, overweight"
std::string BmiText(double bmi);
// "Calorie need 2282 kcal a day"
std::string NeedText(double need);
