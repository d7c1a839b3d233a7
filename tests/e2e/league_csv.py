#!/usr/bin/env python3
"""Four invented clubs of 22 invented players as the CSV files odt builds from."""
import sys

clubs = ["Kuzey Yıldızı", "Deniz Fenerleri", "Dağ Kartalları", "Ova Gücü"]
first = ["Ali", "Veli", "Cem", "Eren", "Onur", "Barış", "Kaan", "Emre", "Ozan", "Umut", "Tolga",
         "Sinan", "Deniz", "Ege", "Mert", "Arda", "Efe", "Kerem", "Baran", "Çağrı", "Yiğit", "Şahin"]
# The first player of each club has a name of its own length: 8, 9, 10 and 6 characters.
last = ["Kaya", "Demir", "Çelik", "Şahin", "Yıldız", "Aydın", "Ak", "Arslan"]
columns = ("id,name,surname,country,language,birthplace,birth_day,birth_month,birth_year,"
           "finishing,set_pieces,heading,marking,crossing,passing,penalties,technique,tackling,"
           "dribbling,long_shots,long_throws,stamina,balance,strength,pace,acceleration,jumping,"
           "agility,goalkeeping,preferred_foot,determination,bravery,decisions,positioning,"
           "aggression,influence,teamwork,off_the_ball,creativity,work_rate,anticipation,flair,"
           "position_count,position1,position2,position3,position4,position5")
with open(sys.argv[1], "w", encoding="utf-8") as players:
    print(columns, file=players)
    for i in range(len(clubs) * 22):
        skill = 5 + i % 13
        attributes = [skill] * 20 + [1 + i % 3] + [skill] * 12  # preferred_foot 1 to 3
        row = [i, first[i % 22], last[i // 22 * 2 + i % 2], "Türkiye", "Türkçe", "Ankara",
               1 + i % 28, 1 + i % 12, 1990 + i % 15] + attributes + [1, i % 22 * 15 // 21, 0, 0, 0, 0]
        print(",".join(map(str, row)), file=players)
with open(sys.argv[2], "w", encoding="utf-8") as teams:
    print("index,name,squad_size,squad", file=teams)
    for c, name in enumerate(clubs):
        print(f"{c},{name},22,{' '.join(str(c * 22 + p) for p in range(22))}", file=teams)
