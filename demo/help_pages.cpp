#include "help_pages.h"

namespace kavero::demo {

const std::string& HelpPage() {
  static const std::string page = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="generator" content="kavero-demo-site">
<title>KAVERO: user manual</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; line-height: 1.45; }
table { border-collapse: collapse; } td, th { border: 1px solid #999; padding: 0.2em 0.6em; }
.green { color: #008000; font-weight: bold; } .red { color: #ff0000; font-weight: bold; }
</style>
</head>
<body>
<p><a href="/">Home</a> | <a href="#manual">English</a> | <a href="#manual-ru">Русский</a></p>

<h1 id="manual">KAVERO: user manual</h1>

<p>KAVERO helps you judge football total-goals markets (under/over). It reads the current
football line of the bookmaker, looks at the recent results of both teams of every match and
gives each match two numbers, <b>Step1</b> and <b>Step2</b>. High values point to a match with
many goals, low values to a tight one. The numbers are a help for your own judgement, not a
tip: always look at the results behind them.</p>

<h2>Getting started</h2>
<ol>
<li>Choose the language with <b>English</b> or <b>Русский</b>. In English the club and
championship names are translated; in Russian they stay as the bookmaker writes them.</li>
<li>Untick <b>Without preliminary processing totals</b> if you want Step1 and Step2 for every
match at once. This reads the statistics of every match and can take several minutes. Left
ticked, only the line is loaded and the Step columns show 0 until you compute them.</li>
<li>Press <b>Start</b>. The progress bar shows how far the work has come. When it is done the
results screen opens; to start again, restart the program.</li>
</ol>

<h2>The match table</h2>
<p>Every match has its championship flag (rest the pointer on it to see the championship),
date, kick-off time, home and away team, the <b>Total</b> offered by the bookmaker and the odds
for <b>Under</b> and <b>Over</b> that total, followed by Step1 and Step2. Click a column header
to sort by it; click again to reverse the order.</p>
<p>Click a match to see what its numbers are based on: the latest results of the home team
and of the away team, their earlier meetings, both teams' rows of their league table and how
often their matches had more than 0.5, 1.5 and 2.5 goals. Shares of at least 90&nbsp;%,
70&nbsp;% and 55&nbsp;% are marked green. The click also recomputes Step1 and Step2 of that
match and shows them at the top right.</p>

<h2>Step1</h2>
<p>Step1 scores the last four matches of each team, eight matches in all:</p>
<table>
<tr><th>Match</th><th>Points</th></tr>
<tr><td>3 or more goals, both teams scored</td><td>+1.25</td></tr>
<tr><td>3 or more goals, one team did not score</td><td>−0.25</td></tr>
<tr><td>1:1</td><td>+0.25</td></tr>
<tr><td>2 or fewer goals, one team did not score</td><td>−1.25</td></tr>
</table>
<p>Step1 therefore lies between −10 and +10. It is shown <span class="green">green</span>
from 5 up and <span class="red">red</span> from −5 down.</p>

<h2>Step2</h2>
<p>Step2 is a weighted average of the goals in the same eight matches. In a match the team
played at home, its goals and the goals against it count 1.5 times each; in a match it played
away, its goals count twice and the goals against it once. The weighted goals of all eight
matches are added up and divided by 16. Step2 is shown <span class="green">green</span> from
2.7 up and <span class="red">red</span> from 2 down.</p>
<p>Both numbers need at least four results of each team; with fewer they are 0. A result
published without its half-time score counts as 0:0, so check the results of a match whose
numbers look surprising.</p>

<h2>Choosing a date</h2>
<p>Pick a date in the <b>Date:</b> list and press <b>OK</b> to see only the matches of that
day; <b>It is found:</b> shows how many there are. In the table of one date Step1 and Step2
are shown as whole numbers. Pick <b>&nbsp;все</b> (all) at the top of the list and press OK to
see every match again.</p>

<h2>Go Total All</h2>
<p>Right-click a table and choose <b>Go Total All</b> to compute Step1 and Step2 afresh for
every match of that table. The progress bar shows the work; the program waits for it to
end.</p>

<h2>Saving</h2>
<p>Right-click a table and choose <b>Save</b>. The table is written to the file
<code>saves.txt</code> in the folder of the program, replacing the previous one. Each line is
one match: date, time, home, away, total, under, over, statistics link, Step1, Step2 and
championship, each followed by <code>&gt;&gt;</code>.</p>

<h2>Publishing</h2>
<p>With the Russian interface, KAVERO shares the day's table on this site once a day: at the
end of the first run of the day it computes today's matches and publishes them, and a save
publishes too as long as nothing has been published for today. Once today's table is here,
nothing more is sent that day. With the English interface nothing is published.</p>

<hr>

<h1 id="manual-ru">KAVERO: руководство пользователя</h1>

<p>KAVERO помогает оценивать ставки на тотал голов в футболе (больше/меньше). Программа
читает текущую футбольную линию букмекера, смотрит последние результаты обеих команд каждого
матча и даёт матчу два числа, <b>Шаг1</b> и <b>Шаг2</b>. Высокие значения говорят о
результативном матче, низкие — о закрытом. Это подсказка для вашего собственного решения, а
не прогноз: всегда смотрите на результаты, из которых они получены.</p>

<h2>Начало работы</h2>
<ol>
<li>Выберите язык кнопкой <b>English</b> или <b>Русский</b>. На английском названия клубов и
чемпионатов переводятся, на русском остаются такими, как их пишет букмекер.</li>
<li>Снимите флажок <b>Без предварительной обработки тоталов</b>, если хотите сразу получить
Шаг1 и Шаг2 для всех матчей. Программа прочтёт статистику каждого матча, это может занять
несколько минут. С флажком загружается только линия, а в столбцах шагов стоит 0, пока вы их
не посчитаете.</li>
<li>Нажмите <b>Старт</b>. Полоса прогресса показывает ход работы. Затем откроется экран
результатов; чтобы начать заново, перезапустите программу.</li>
</ol>

<h2>Таблица матчей</h2>
<p>У каждого матча есть флаг чемпионата (наведите на него указатель, чтобы увидеть название),
дата, время начала, хозяева и гости, <b>Тотал</b> букмекера и коэффициенты на <b>Мен.</b> и
<b>Бол.</b>, затем Шаг1 и Шаг2. Щелчок по заголовку столбца сортирует таблицу, повторный
щелчок — в обратном порядке.</p>
<p>Щёлкните по матчу, чтобы увидеть, на чём основаны его числа: последние матчи хозяев и
гостей, их очные встречи, строки обеих команд в турнирной таблице и то, как часто в их матчах
забивали больше 0,5, 1,5 и 2,5 гола. Доли не меньше 90&nbsp;%, 70&nbsp;% и 55&nbsp;% выделены
зелёным. Щелчок заново считает Шаг1 и Шаг2 этого матча и показывает их справа вверху.</p>

<h2>Шаг1</h2>
<p>Шаг1 оценивает по четыре последних матча каждой команды, всего восемь матчей:</p>
<table>
<tr><th>Матч</th><th>Очки</th></tr>
<tr><td>3 гола и больше, забили обе команды</td><td>+1,25</td></tr>
<tr><td>3 гола и больше, одна команда не забила</td><td>−0,25</td></tr>
<tr><td>1:1</td><td>+0,25</td></tr>
<tr><td>2 гола и меньше, одна команда не забила</td><td>−1,25</td></tr>
</table>
<p>Поэтому Шаг1 лежит от −10 до +10. Он выделяется <span class="green">зелёным</span> от 5 и
выше и <span class="red">красным</span> от −5 и ниже.</p>

<h2>Шаг2</h2>
<p>Шаг2 — взвешенное среднее голов в тех же восьми матчах. В домашнем матче команды её голы и
голы в её ворота считаются с весом 1,5; в гостевом её голы считаются дважды, а пропущенные —
один раз. Взвешенные голы всех восьми матчей складываются и делятся на 16. Шаг2 выделяется
<span class="green">зелёным</span> от 2,7 и выше и <span class="red">красным</span> от 2 и
ниже.</p>
<p>Для обоих чисел нужно не меньше четырёх результатов каждой команды, иначе они равны 0.
Результат без счёта первого тайма считается как 0:0, поэтому проверяйте результаты матча,
числа которого кажутся странными.</p>

<h2>Выбор даты</h2>
<p>Выберите дату в списке <b>Дата:</b> и нажмите <b>OK</b>, чтобы увидеть только матчи этого
дня; <b>Найдено:</b> показывает их число. В таблице одного дня Шаг1 и Шаг2 округлены до целых.
Выберите <b>&nbsp;все</b> в начале списка и нажмите OK, чтобы снова увидеть все матчи.</p>

<h2>Обработать все</h2>
<p>Щёлкните по таблице правой кнопкой и выберите <b>Обработать все</b>, чтобы заново
посчитать Шаг1 и Шаг2 всех матчей таблицы. Ход работы виден на полосе прогресса; программа
ждёт её окончания.</p>

<h2>Сохранение</h2>
<p>Щёлкните по таблице правой кнопкой и выберите <b>Сохранить</b>. Таблица записывается в
файл <code>saves.txt</code> в папке программы вместо прежнего. Каждая строка — один матч:
дата, время, хозяева, гости, тотал, меньше, больше, ссылка на статистику, Шаг1, Шаг2 и
чемпионат, после каждого поля стоит <code>&gt;&gt;</code>.</p>

<h2>Публикация</h2>
<p>С русским интерфейсом KAVERO раз в день выкладывает таблицу дня на этот сайт: в конце
первого запуска за день программа считает сегодняшние матчи и публикует их, а сохранение
публикует таблицу, пока за сегодня ничего не опубликовано. Когда сегодняшняя таблица уже
здесь, в этот день больше ничего не отправляется. С английским интерфейсом ничего не
публикуется.</p>
</body>
</html>
)";
  return page;
}

const std::string& HomePage() {
  static const std::string page = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="generator" content="kavero-demo-site">
<title>KAVERO publisher (demo)</title>
</head>
<body>
<h1>KAVERO publisher</h1>
<p>This is the demo publisher of KAVERO, the free program for football total-goals bettors.
It serves the list of team pages and the name dictionaries that the program reads, and keeps
the daily tables that users of the Russian interface publish.</p>
<p>Это демонстрационный сайт KAVERO: списки страниц команд, словари названий и ежедневные
таблицы, опубликованные пользователями.</p>
<p><a href="/index.php?option=com_content&amp;view=article&amp;id=193&amp;Itemid=35#manual">User
manual / Руководство</a></p>
</body>
</html>
)";
  return page;
}

}  // namespace kavero::demo
