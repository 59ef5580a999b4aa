<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name />
    <message id="text-0">
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message id="text-9">
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
    <message id="text-12">
        <source>All having free text/subject</source>
        <translation>Alle met vrije tekst/onderwerp</translation>
    </message>
    <message id="text-14">
        <source>Sele&amp;ct all</source>
        <translation>Se&amp;lecteer alles</translation>
    </message>
    <message id="text-15">
        <source>Invert sele&amp;ction</source>
        <translation>Se&amp;lectie omkeren</translation>
    </message>
    <message id="text-16">
        <source>Sele&amp;ct all having free text..</source>
        <translation>Se&amp;lecteer alle met vrije tekst..</translation>
    </message>
    <message id="text-17">
        <source>Sele&amp;ct all having free text</source>
        <translation>Se&amp;lecteer alle met vrije tekst</translation>
    </message>
    <message id="text-18">
        <source>Sele&amp;ct none</source>
        <translation>Se&amp;lectie wissen</translation>
    </message>
    <message id="text-19">
        <source>Select pictures to retitle: Select All pictures in the list beneath</source>
        <translation>Foto's selecteren om te hernoemen: alle foto's in de lijst hieronder selecteren</translation>
    </message>
    <message id="text-20">
        <source>Select pictures to retitle: Turn the selection around</source>
        <translation>Foto's selecteren om te hernoemen: de selectie omkeren</translation>
    </message>
    <message id="text-21">
        <source>Select pictures to retitle: Select all pictures having free text and/or subject</source>
        <translation>Foto's selecteren om te hernoemen: alle foto's met vrije tekst en/of onderwerp selecteren</translation>
    </message>
    <message id="text-22">
        <source>Select pictures to retitle: Select all pictures having free text</source>
        <translation>Foto's selecteren om te hernoemen: alle foto's met vrije tekst selecteren</translation>
    </message>
    <message id="text-23">
        <source>Deselect all pictures in the list beneath</source>
        <translation>Alle foto's in de lijst hieronder deselecteren</translation>
    </message>
    <message id="text-24">
        <source>All pictures where &amp;free text and/or subject is not empty</source>
        <translation>Alle foto's waarvan &amp;vrije tekst en/of onderwerp niet leeg is</translation>
    </message>
    <message id="text-25">
        <source>All having free text</source>
        <translation>Alle met vrije tekst</translation>
    </message>
    <message id="text-26">
        <source>All pictures where &amp;free text is not empty</source>
        <translation>Alle foto's waarvan de &amp;vrije tekst niet leeg is</translation>
    </message>
    <message id="text-27">
        <source>Titles starting with...</source>
        <translation>Titel begint met...</translation>
    </message>
    <message id="text-28">
        <source>Select startin&amp;g with</source>
        <translation>Sele&amp;cteer: begint met</translation>
    </message>
    <message id="text-29">
        <source>Titles containing...</source>
        <translation>Titel bevat...</translation>
    </message>
    <message id="text-30">
        <source>Select containin&amp;g</source>
        <translation>Sele&amp;cteer: bevat</translation>
    </message>
    <message id="text-31">
        <source>Select pictures to retitle: Select pictures starting with the checked string as defined in the box above</source>
        <translation>Foto's selecteren om te hernoemen: foto's selecteren die beginnen met de aangevinkte selectietekst uit het vak hierboven</translation>
    </message>
    <message id="text-32">
        <source>Select pictures to retitle: Select pictures containing the checked string as defined in the box above</source>
        <translation>Foto's selecteren om te hernoemen: foto's selecteren die de aangevinkte selectietekst uit het vak hierboven bevatten</translation>
    </message>
    <message id="text-40">
        <source>Current title</source>
        <translation>Huidige titel</translation>
    </message>
    <message id="text-41">
        <source>Free text element of new title</source>
        <translation>'Vrije tekst' element van nieuwe titel</translation>
    </message>
    <message id="text-42">
        <source>Subject</source>
        <translation>Onderwerpen</translation>
    </message>
    <message id="text-48">
        <source>Assign subject '</source>
        <translation>Onderwerp '</translation>
    </message>
    <message id="text-52">
        <source>The only picture to rename, already has been assigned a subject. </source>
        <translation>De enige te hernoemen foto heeft al een onderwerp. </translation>
    </message>
    <message id="text-53">
        <source>Do you want to overwrite this subject by 'No subject'</source>
        <translation>Wilt u dit onderwerp vervangen door 'Geen onderwerp'</translation>
    </message>
    <message id="text-54">
        <source>From the </source>
        <translation>Van de </translation>
    </message>
    <message id="text-55">
        <source> pictures to rename, </source>
        <translation> te hernoemen foto's, </translation>
    </message>
    <message id="text-56">
        <source> already have been assigned a subject. </source>
        <translation> daarvan hebben al een onderwerp. </translation>
    </message>
    <message id="text-57">
        <source>Do you want to overwrite these subjects by 'No subject'</source>
        <translation>Wilt u deze onderwerpen vervangen door 'Geen onderwerp'</translation>
    </message>
    <message id="text-58">
        <source>Do you want to overwrite this subject by subject '</source>
        <translation>Wilt u dit onderwerp vervangen door onderwerp '</translation>
    </message>
    <message id="text-59">
        <source>Do you want to overwrite these subjects by subject '</source>
        <translation>Wilt u deze onderwerpen vervangen door onderwerp '</translation>
    </message>
    <message id="text-60">
        <source>You are about to assign 'No subject' to all pictures to rename.</source>
        <translation>U staat op het punt 'Geen onderwerp' toe te kennen aan alle te hernoemen foto's.</translation>
    </message>
    <message id="text-61">
        <source>You are about to assign subject '</source>
        <translation>U staat op het punt onderwerp '</translation>
    </message>
    <message id="text-62">
        <source>' to all pictures to rename.</source>
        <translation>' toe te kennen aan alle te hernoemen foto's.</translation>
    </message>
    <message id="text-63">
        <source>Assign 'No subject' to all pictures to rename?</source>
        <translation>Aan alle te hernoemen foto's 'Geen onderwerp' toekennen?</translation>
    </message>
    <message id="text-64">
        <source>Assign subject '</source>
        <translation>Onderwerp '</translation>
    </message>
    <message id="text-65">
        <source>' to all pictures to rename?</source>
        <translation>' toekennen aan alle te hernoemen foto's?</translation>
    </message>
    <message id="text-66">
        <source>Erase subject of all pictures to rename?</source>
        <translation>Onderwerp van alle te hernoemen foto's wissen?</translation>
    </message>
    <message id="text-67">
        <source>None of the pictures to rename have a subject assigned to it, nothing to erase</source>
        <translation>Geen van de te hernoemen foto's heeft een onderwerp, er is niets te wissen</translation>
    </message>
    <message id="text-71">
        <source>Edit free text for picture number </source>
        <translation>Vrije tekst bewerken voor foto nummer </translation>
    </message>
    <message id="text-75">
        <source>Erase free text of all selected pictures ?</source>
        <translation>Vrije tekst van alle geselecteerde foto's wissen ?</translation>
    </message>
    <message id="text-76">
        <source>No selected pictures found that have free text, nothing to erase</source>
        <translation>Geen geselecteerde foto's met vrije tekst gevonden, er is niets te wissen</translation>
    </message>
    <message id="text-77">
        <source>No selected pictures found that have free text, can not start Find/Replace</source>
        <translation>Geen geselecteerde foto's met vrije tekst gevonden, kan 'Zoeken/vervangen' niet starten</translation>
    </message>
    <message id="text-81">
        <source>Same</source>
        <translation>Zelfde</translation>
    </message>
    <message id="text-82">
        <source>Copy free text of previous selected title (alternatively press Enter)</source>
        <translation>Vrije tekst van de vorige geselecteerde titel kopiëren (of druk op Enter)</translation>
    </message>
    <message id="text-83">
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message id="text-84">
        <source>Go to next selected title (alternatively press Enter)</source>
        <translation>Naar de volgende geselecteerde titel (of druk op Enter)</translation>
    </message>
    <message id="text-85">
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message id="text-86">
        <source>Add entry from dictionary to free text (alternatively press Enter)</source>
        <translation>Trefwoord uit het woordenboek aan de vrije tekst toevoegen (of druk op Enter)</translation>
    </message>
    <message id="text-87">
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message id="text-88">
        <source>Alternatively press Enter</source>
        <translation>Of druk op Enter</translation>
    </message>
    <message id="text-89">
        <source>Voice file (wave) available but no sound card found</source>
        <translation>Spraakbestand (wave) beschikbaar, maar geen geluidskaart gevonden</translation>
    </message>
    <message id="text-90">
        <source>Play voice file (wave)</source>
        <translation>Spraakbestand (wave) afspelen</translation>
    </message>
    <message id="text-91">
        <source>Voice file (mov) available but both QuickTime and Windows Media Player not found</source>
        <translation>Spraakbestand (mov) beschikbaar, maar QuickTime en Windows Media Player zijn niet gevonden</translation>
    </message>
    <message id="text-92">
        <source>Play voice file (mov) with QuickTime</source>
        <translation>Spraakbestand (mov) afspelen met QuickTime</translation>
    </message>
    <message id="text-93">
        <source>Play voice file (mov) with Windows Media Player</source>
        <translation>Spraakbestand (mov) afspelen met Windows Media Player</translation>
    </message>
    <message id="text-94">
        <source>No voice file available</source>
        <translation>Geen spraakbestand beschikbaar</translation>
    </message>
    <message id="text-96">
        <source>Progress: </source>
        <translation>Voortgang: </translation>
    </message>
    <message id="text-97">
        <source>still </source>
        <translation>nog </translation>
    </message>
    <message id="text-98">
        <source> title(s) to go</source>
        <translation> titel(s) te gaan</translation>
    </message>
    <message id="text-100">
        <source>Current title is empty, can not jump</source>
        <translation>Huidige titel is leeg, kan niet springen</translation>
    </message>
    <message id="text-102">
        <source>No next selected and empty picture title found</source>
        <translation>Geen volgende geselecteerde foto met een lege titel gevonden</translation>
    </message>
    <message id="text-103">
        <source>Current title has changed, confirm this change first by pressing Enter</source>
        <translation>Huidige titel is gewijzigd, bevestig deze wijziging eerst door op Enter te drukken</translation>
    </message>
    <message id="text-106">
        <source> Entries in Active dictionary : </source>
        <translation> Trefwoorden actief woordenboek : </translation>
    </message>
    <message id="text-107">
        <source>, entries in Static dictionary : </source>
        <translation>, statisch woordenboek : </translation>
    </message>
    <message id="text-125">
        <source>Previous selected title does not have free text</source>
        <translation>Vorige geselecteerde titel heeft geen vrije tekst</translation>
    </message>
    <message id="text-126">
        <source>No previous selected title found</source>
        <translation>Geen vorige geselecteerde titel gevonden</translation>
    </message>
    <message id="text-183">
        <source>Prefix</source>
        <translation>Voorvoegsel</translation>
    </message>
    <message id="text-184">
        <source>Date/Time</source>
        <translation>Datum/Tijd</translation>
    </message>
    <message id="text-185">
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message id="text-186">
        <source>Free text</source>
        <translation>Vrije tekst</translation>
    </message>
    <message id="text-187">
        <source>Suffix</source>
        <translation>Achtervoegsel</translation>
    </message>
    <message id="text-188">
        <source>Not all pictures that have free text or a subject are selected. Do you want to automatically add those pictures to the selection?</source>
        <translation>Niet alle foto's met vrije tekst of een onderwerp zijn geselecteerd. Wilt u die foto's automatisch aan de selectie toevoegen?</translation>
    </message>
    <message id="text-189">
        <source>Not all pictures that have free text are selected. Do you want to automatically add those pictures to the selection?</source>
        <translation>Niet alle foto's met vrije tekst zijn geselecteerd. Wilt u die foto's automatisch aan de selectie toevoegen?</translation>
    </message>
    <message id="text-190">
        <source>Some or all pictures have been assigned a subject, yet 'Picture Storage Management' is unchecked</source>
        <translation>Aan sommige of alle foto's is een onderwerp toegekend, maar 'Fotoopslagbeheer' is niet aangevinkt</translation>
    </message>
    <message id="text-191">
        <source>If you continue, the subjects will be lost and pictures will only be renamed instead of renamed and moved.</source>
        <translation>Als u doorgaat, gaan de onderwerpen verloren en worden de foto's alleen hernoemd in plaats van hernoemd en verplaatst.</translation>
    </message>
    <message id="text-192">
        <source>Continue?</source>
        <translation>Doorgaan?</translation>
    </message>
    <message id="text-193">
        <source>Some or all pictures have been assigned a subject, but 'Picture Storage Management' is set to '</source>
        <translation>Aan sommige of alle foto's is een onderwerp toegekend, maar 'Fotoopslagbeheer' is ingesteld op '</translation>
    </message>
    <message id="text-194">
        <source>If you continue, the subjects will not be used in the moving process and will eventually be lost.</source>
        <translation>Als u doorgaat, worden de onderwerpen niet gebruikt bij het verplaatsen en gaan ze uiteindelijk verloren.</translation>
    </message>
    <message id="text-195">
        <source>'Picture Storage Management' is set to '</source>
        <translation>'Fotoopslagbeheer' is ingesteld op '</translation>
    </message>
    <message id="text-196">
        <source>Please assign a subject to all selected pictures first and then press 'Test/Preview' again.</source>
        <translation>Ken eerst een onderwerp toe aan alle geselecteerde foto's en druk dan opnieuw op 'Test/voorbeeld'.</translation>
    </message>
    <message id="text-197">
        <source>Subject is mandatory in case 'Only use subject' is checked, even when Subject</source>
        <translation>Een onderwerp is verplicht als 'Alleen onderwerp gebruiken' is aangevinkt, ook wanneer Onderwerp</translation>
    </message>
    <message id="text-198">
        <source>is set to optional in 'Picture Storage Management.'</source>
        <translation>als optioneel is ingesteld in 'Fotoopslagbeheer.'</translation>
    </message>
    <message id="text-199">
        <source>but not all selected pictures have been assigned a subject!</source>
        <translation>maar niet aan alle geselecteerde foto's is een onderwerp toegekend!</translation>
    </message>
    <message id="text-200">
        <source>Date taken</source>
        <translation>Opnamedatum</translation>
    </message>
    <message id="text-201">
        <source>Subject</source>
        <translation>Onderwerp</translation>
    </message>
    <message id="text-202">
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message id="text-203">
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message id="text-212">
        <source>Select pictures containing defined strings</source>
        <translation>Foto's selecteren die opgegeven selectieteksten bevatten</translation>
    </message>
    <message id="text-221">
        <source> - Make Static Dictionary</source>
        <translation> - Statisch woordenboek maken</translation>
    </message>
    <message id="text-233">
        <source>Find and Replace string of characters</source>
        <translation>Tekenreeks zoeken en vervangen</translation>
    </message>
    <message id="text-241">
        <source>Cut characters</source>
        <translation>Tekens wegknippen</translation>
    </message>
    <message id="text-243">
        <source>Prefix</source>
        <translation>Voorvoegsel</translation>
    </message>
    <message id="text-244">
        <source>Suffix</source>
        <translation>Achtervoegsel</translation>
    </message>
    <message id="text-267">
        <source>Select pictures starting with defined strings</source>
        <translation>Foto's selecteren die met opgegeven selectieteksten beginnen</translation>
    </message>
    <message id="text-293">
        <source>A file- or folder name cannot contain any of the following characters:</source>
        <translation>Een bestands- of mapnaam mag geen van de volgende tekens bevatten:</translation>
    </message>
    <message id="text-294">
        <source> Building Dictionary from folder...</source>
        <translation> Woordenboek wordt opgebouwd uit map...</translation>
    </message>
    <message id="text-295">
        <source> Building Dictionary from folder : reading folder...</source>
        <translation> Woordenboek wordt opgebouwd uit map : map wordt gelezen...</translation>
    </message>
    <message id="text-296">
        <source> Building Dictionary from folder : creating contents table..</source>
        <translation> Woordenboek wordt opgebouwd uit map : inhoudstabel wordt gemaakt..</translation>
    </message>
    <message id="text-297">
        <source> Building Dictionary from folder : creating index table..</source>
        <translation> Woordenboek wordt opgebouwd uit map : indextabel wordt gemaakt..</translation>
    </message>
    <message id="text-298">
        <source>No previous erroneous selected picture available</source>
        <translation>Geen vorige foutieve geselecteerde foto beschikbaar</translation>
    </message>
    <message id="text-299">
        <source>No previous selected picture available</source>
        <translation>Geen vorige geselecteerde foto beschikbaar</translation>
    </message>
    <message id="text-300">
        <source>Current title of </source>
        <translation>Huidige titel van </translation>
    </message>
    <message id="text-301">
        <source> selected pictures copied to free text element </source>
        <translation> geselecteerde foto's naar vrije tekst gekopieerd </translation>
    </message>
    <message id="text-302">
        <source>Current title of all selected pictures copied to free text element </source>
        <translation>Huidige titel van alle geselecteerde foto's naar vrije tekst gekopieerd </translation>
    </message>
    <message id="text-303">
        <source>Note: the current title is only copied when the free text element of the new title is empty.</source>
        <translation>Let op: de huidige titel wordt alleen gekopieerd als het vrije-tekstelement van de nieuwe titel leeg is.</translation>
    </message>
    <message id="text-304">
        <source> selected pictures not copied.</source>
        <translation> geselecteerde foto's niet gekopieerd.</translation>
    </message>
    <message id="text-305">
        <source>Selection has been turned around</source>
        <translation>Selectie is omgekeerd</translation>
    </message>
    <message id="text-306">
        <source>No pictures selected, make a new selection</source>
        <translation>Geen foto's geselecteerd, maak een nieuwe selectie</translation>
    </message>
    <message id="text-307">
        <source>Selection is cleared, make a new selection</source>
        <translation>Selectie is gewist, maak een nieuwe selectie</translation>
    </message>
    <message id="text-308">
        <source>No pictures found to select</source>
        <translation>Geen foto's gevonden om te selecteren</translation>
    </message>
    <message id="text-309">
        <source>No pictures found to add to current selection</source>
        <translation>Geen foto's gevonden om aan de huidige selectie toe te voegen</translation>
    </message>
    <message id="text-310">
        <source> pictures selected</source>
        <translation> foto's geselecteerd</translation>
    </message>
    <message id="text-311">
        <source> pictures added to current selection</source>
        <translation> foto's toegevoegd aan de huidige selectie</translation>
    </message>
    <message id="text-312">
        <source>Use only numeric characters</source>
        <translation>Gebruik alleen cijfers</translation>
    </message>
    <message id="text-313">
        <source>Number will not fit in </source>
        <translation>Nummer past niet in </translation>
    </message>
    <message id="text-314">
        <source> digit(s)</source>
        <translation> cijfer(s)</translation>
    </message>
    <message id="text-316">
        <source> picture names present at the previous session, no longer exist in this folder</source>
        <translation> fotonamen die bij de vorige sessie aanwezig waren, bestaan niet meer in deze map</translation>
    </message>
    <message id="text-317">
        <source> picture name present at the previous session, no longer exists in this folder</source>
        <translation> fotonaam die bij de vorige sessie aanwezig was, bestaat niet meer in deze map</translation>
    </message>
    <message id="text-318">
        <source>Previously closed session has been resumed</source>
        <translation>Vorige afgesloten sessie is hervat</translation>
    </message>
    <message id="text-319">
        <source>Settings of stage 3 and the final stage saved as default settings</source>
        <translation>Instellingen van stap 3 en de laatste stap bewaard als standaardinstellingen</translation>
    </message>
    <message id="text-320">
        <source>A filename cannot contain any of the following characters:</source>
        <translation>Een bestandsnaam mag geen van de volgende tekens bevatten:</translation>
    </message>
    <message id="text-321">
        <source>Occurrences found : </source>
        <translation>Treffers gevonden : </translation>
    </message>
    <message id="text-322">
        <source>No occurrences found</source>
        <translation>Geen treffers gevonden</translation>
    </message>
    <message id="text-323">
        <source>, Current : </source>
        <translation>, huidige : </translation>
    </message>
    <message id="text-324">
        <source>File with this name already exists (Check 'Force Uniqueness' to automatically solve error)</source>
        <translation>Er bestaat al een bestand met deze naam (Vink 'Forceer uniciteit' aan om de fout automatisch op te lossen)</translation>
    </message>
    <message id="text-325">
        <source>Title has duplicate(s) in set of selected titles (Check 'Force Uniqueness' to automatically solve error)</source>
        <translation>Titel komt meer dan eens voor in de geselecteerde titels (Vink 'Forceer uniciteit' aan om de fout automatisch op te lossen)</translation>
    </message>
    <message id="text-326">
        <source>Title is duplicate of previous title in set of selected titles (Check 'Force Uniqueness' to automatically solve error)</source>
        <translation>Titel is een duplicaat van een eerdere titel in de geselecteerde titels (Vink 'Forceer uniciteit' aan om de fout automatisch op te lossen)</translation>
    </message>
    <message id="text-327">
        <source>Path name exceeds maximum allowed length of 255 characters</source>
        <translation>Padnaam overschrijdt de maximaal toegestane lengte van 255 tekens</translation>
    </message>
    <message id="text-328">
        <source>Title cannot be empty</source>
        <translation>Titel mag niet leeg zijn</translation>
    </message>
    <message id="text-329">
        <source>Cannot determine which file, a file to be synchronized belongs to</source>
        <translation>Kan niet bepalen bij welk bestand een te synchroniseren bestand hoort</translation>
    </message>
    <message id="text-330">
        <source>Number could not be extracted from Current title</source>
        <translation>Nummer kon niet uit de huidige titel worden gehaald</translation>
    </message>
    <message id="text-331">
        <source>Defined number of digits to make number too small to hold Counter value</source>
        <translation>Opgegeven aantal cijfers is te klein voor de tellerwaarde</translation>
    </message>
    <message id="text-332">
        <source>Defined number of digits to make number too small to hold extracted number from Current title</source>
        <translation>Opgegeven aantal cijfers is te klein voor het nummer uit de huidige titel</translation>
    </message>
    <message id="text-333">
        <source>Picture date/time taken could not be determined, file date/time is used instead</source>
        <translation>Opnamedatum/-tijd van de foto kon niet worden bepaald, de bestandsdatum/-tijd wordt gebruikt</translation>
    </message>
    <message id="text-334">
        <source> initialization error, can not run program</source>
        <translation> initialisatiefout, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-335">
        <source> is set to read-only, can not run program</source>
        <translation> is alleen-lezen, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-336">
        <source>No pictures found in folder of types that Mirelto supports, choose a different folder</source>
        <translation>Geen foto's gevonden in de map van typen die Mirelto ondersteunt, kies een andere map</translation>
    </message>
    <message id="text-337">
        <source>In case of a network drive, map this drive first and select the mapped drive</source>
        <translation>Koppel bij een netwerkstation dit station eerst en selecteer daarna het gekoppelde station</translation>
    </message>
    <message id="text-339">
        <source>Please supply a subject for this picture</source>
        <translation>Geef een onderwerp op voor deze foto</translation>
    </message>
    <message id="text-340">
        <source>Some or all assigned subjects got lost!</source>
        <translation>Sommige of alle toegekende onderwerpen zijn verloren gegaan!</translation>
    </message>
    <message id="text-341">
        <source>This probably happened because the Subject file in the folder Mirelto is installed in was deleted (Uninstall?).</source>
        <translation>Dit is waarschijnlijk gebeurd doordat het onderwerpenbestand in de map waarin Mirelto is geïnstalleerd is verwijderd (Verwijderen?).</translation>
    </message>
    <message id="text-342">
        <source>At the same time, the current session that was resumed, had pictures in it that were assigned a subject</source>
        <translation>Tegelijkertijd had de hervatte sessie foto's waaraan een onderwerp was toegekend</translation>
    </message>
    <message id="text-343">
        <source>You will have to add the missing subjects and re-assign those subjects.</source>
        <translation>U zult de ontbrekende onderwerpen moeten toevoegen en die onderwerpen opnieuw moeten toekennen.</translation>
    </message>
    <message id="text-344">
        <source>Error updating </source>
        <translation>Fout bij het bijwerken van </translation>
    </message>
    <message id="text-345">
        <source> , you might have a problem with the disk,</source>
        <translation> , er is mogelijk een probleem met de schijf,</translation>
    </message>
    <message id="text-346">
        <source>you might try to finish your work and carry out the retitling</source>
        <translation>u kunt proberen uw werk af te maken en het hernoemen uit te voeren</translation>
    </message>
    <message id="text-347">
        <source> but the chance of other failures occurring are big.</source>
        <translation> maar de kans op andere fouten is groot.</translation>
    </message>
    <message id="text-348">
        <source>No selected pictures found that have free text, can not start Cut characters from free text</source>
        <translation>Geen geselecteerde foto's met vrije tekst gevonden, kan 'Tekens uit vrije tekst wegknippen' niet starten</translation>
    </message>
    <message id="text-349">
        <source> could not be removed!</source>
        <translation> kon niet worden verwijderd!</translation>
    </message>
    <message id="text-350">
        <source>Could not change to : </source>
        <translation>Kan niet wisselen naar : </translation>
    </message>
    <message id="text-351">
        <source>If you started through a context menu of Windows Explorer (or any similar program),</source>
        <translation>Als u via het contextmenu van uw bestandsbeheerder (of een vergelijkbaar programma) bent gestart,</translation>
    </message>
    <message id="text-352">
        <source>the folder is still in use by that program (being the reason Mirelto can not remove it).</source>
        <translation>is de map nog in gebruik door dat programma (daarom kan Mirelto de map niet verwijderen).</translation>
    </message>
    <message id="text-353">
        <source>Erase entries of Active Dictionary ?</source>
        <translation>Trefwoorden van het actieve woordenboek wissen ?</translation>
    </message>
    <message id="text-354">
        <source> (of the list of folders to be checked to qualify a picture as unique) does not exist. Continue?</source>
        <translation> (uit de lijst met mappen die worden gecontroleerd om een foto als uniek te beschouwen) bestaat niet. Doorgaan?</translation>
    </message>
    <message id="text-355">
        <source>Drive </source>
        <translation>Station </translation>
    </message>
    <message id="text-356">
        <source>\: empty. Can not check </source>
        <translation>\: leeg. Kan niet controleren: </translation>
    </message>
    <message id="text-357">
        <source> Continue?</source>
        <translation> Doorgaan?</translation>
    </message>
    <message id="text-358">
        <source>The file 'MainFolder.dat' got lost, you have to re-run the Picture Storage Management Setup</source>
        <translation>Het bestand 'MainFolder.dat' is verloren gegaan, u moet de installatie van Fotoopslagbeheer opnieuw uitvoeren</translation>
    </message>
    <message id="text-359">
        <source>Picture Storage Management has not been set up, run Setup now?</source>
        <translation>Fotoopslagbeheer is nog niet ingesteld, nu instellen?</translation>
    </message>
    <message id="text-360">
        <source>Your main picture storage folder '</source>
        <translation>Uw hoofdmap voor fotoopslag '</translation>
    </message>
    <message id="text-361">
        <source>' does not exist anymore.</source>
        <translation>' bestaat niet meer.</translation>
    </message>
    <message id="text-362">
        <source>Run Setup Picture Storage Management now?</source>
        <translation>Installatie van Fotoopslagbeheer nu uitvoeren?</translation>
    </message>
    <message id="text-363">
        <source>Picture Storage Management has not been set up correctly, run Setup now?</source>
        <translation>Fotoopslagbeheer is niet correct ingesteld, nu instellen?</translation>
    </message>
    <message id="text-364">
        <source>Select a folder:</source>
        <translation>Selecteer een map:</translation>
    </message>
    <message id="text-365">
        <source>&amp;Make dictionary</source>
        <translation>Woordenboek &amp;maken</translation>
    </message>
    <message id="text-366">
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message id="text-367">
        <source>Select a folder</source>
        <translation>Selecteer een map</translation>
    </message>
    <message id="text-368">
        <source>Select a folder with pictures to retitle</source>
        <translation>Selecteer een map met foto's om te hernoemen</translation>
    </message>
    <message id="text-372">
        <source>Add to or Replace current dictionary</source>
        <translation>Huidig woordenboek: toevoegen of vervangen</translation>
    </message>
    <message id="text-373">
        <source>&amp;Add to</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message id="text-374">
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message id="text-375">
        <source>Include &amp;subfolders</source>
        <translation>Inclusief &amp;submappen</translation>
    </message>
    <message id="text-376">
        <source>Free text of the first selected picture to rename before cutting characters</source>
        <translation>Vrije tekst van de eerste geselecteerde te hernoemen foto vóór het wegknippen van tekens</translation>
    </message>
    <message id="text-377">
        <source>Place the cursor after the last position of the &amp;leading characters to be cut and press this button</source>
        <translation>Plaats de cursor na de laatste positie van de weg te knippen &amp;voorlooptekens en druk op deze knop</translation>
    </message>
    <message id="text-378">
        <source>Place the cursor on the first position of the &amp;trailing characters to be cut and press this button</source>
        <translation>Plaats de cursor op de eerste positie van de weg te knippen &amp;slottekens en druk op deze knop</translation>
    </message>
    <message id="text-379">
        <source>Free text of the first selected picture to rename after cutting characters</source>
        <translation>Vrije tekst van de eerste geselecteerde te hernoemen foto na het wegknippen van tekens</translation>
    </message>
    <message id="text-380">
        <source>&amp;Apply to all selected pictures</source>
        <translation>&amp;Toepassen op alle geselecteerde foto's</translation>
    </message>
    <message id="text-381">
        <source>&amp;Reset</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message id="text-394">
        <source>Sorting picture titles phase 2 - (Only in case of Absolute Unique)</source>
        <translation>Foto titels sorteren fase 2</translation>
    </message>
    <message id="text-395">
        <source>Test &amp; preview results</source>
        <translation>Test- en voorbeeldresultaten</translation>
    </message>
    <message id="text-398">
        <source>Picture Storage Management is switched off!</source>
        <translation>Fotoopslagbeheer is uitgeschakeld!</translation>
    </message>
    <message id="text-399">
        <source>Pictures will only be renamed instead of renamed and moved.</source>
        <translation>Foto's worden alleen hernoemd in plaats van hernoemd en verplaatst.</translation>
    </message>
    <message id="text-400">
        <source>Folders (and their subfolders) that have been checked to qualify new picture titles to be unique (Total: </source>
        <translation>Mappen (en hun submappen) die zijn gecontroleerd om nieuwe fototitels als uniek te beschouwen (Totaal: </translation>
    </message>
    <message id="text-401">
        <source> folders):</source>
        <translation> mappen):</translation>
    </message>
    <message id="text-402">
        <source>No additional folders were checked to qualify new picture titles to be unique.</source>
        <translation>Er zijn geen extra mappen gecontroleerd om nieuwe fototitels als uniek te beschouwen.</translation>
    </message>
    <message id="text-403">
        <source>Titles of files with the following extensions will be synchronized in the renaming process: </source>
        <translation>Titels van bestanden met de volgende extensies worden bij het hernoemen gesynchroniseerd: </translation>
    </message>
    <message id="text-404">
        <source>No files will be synchronized.</source>
        <translation>Er worden geen bestanden gesynchroniseerd.</translation>
    </message>
    <message id="text-405">
        <source>List of new folders that will be created:</source>
        <translation>Lijst met nieuwe mappen die worden aangemaakt:</translation>
    </message>
    <message id="text-406">
        <source>There are no new folders to be created.</source>
        <translation>Er hoeven geen nieuwe mappen te worden aangemaakt.</translation>
    </message>
    <message id="text-407">
        <source> error(s) reported.</source>
        <translation> fout(en) gemeld.</translation>
    </message>
    <message id="text-408">
        <source> warning(s) issued.</source>
        <translation> waarschuwing(en) gegeven.</translation>
    </message>
    <message id="text-409">
        <source>No warnings issued.</source>
        <translation>Geen waarschuwingen gegeven.</translation>
    </message>
    <message id="text-410">
        <source>The errors have to be corrected first before the actual retitling can take place.</source>
        <translation>De fouten moeten eerst worden verbeterd voordat het hernoemen kan plaatsvinden.</translation>
    </message>
    <message id="text-411">
        <source>Check carefully the created titles before pressing the 'Retitle now' button.</source>
        <translation>Controleer de gemaakte titels zorgvuldig voordat u op de knop 'Nu hernoemen' drukt.</translation>
    </message>
    <message id="text-412">
        <source>No errors to report.</source>
        <translation>Geen fouten te melden.</translation>
    </message>
    <message id="text-413">
        <source>Destination: </source>
        <translation>Bestemming: </translation>
    </message>
    <message id="text-414">
        <source> Current title: </source>
        <translation> Huidige titel: </translation>
    </message>
    <message id="text-415">
        <source> Warning issued, see below</source>
        <translation> Waarschuwing gegeven, zie hieronder</translation>
    </message>
    <message id="text-416">
        <source>Warning : </source>
        <translation>Waarschuwing : </translation>
    </message>
    <message id="text-417">
        <source>(File to be synchronized '</source>
        <translation>(Te synchroniseren bestand '</translation>
    </message>
    <message id="text-418">
        <source>', might belong to '</source>
        <translation>', hoort mogelijk bij '</translation>
    </message>
    <message id="text-419">
        <source>Could not create folder </source>
        <translation>Fout bij het aanmaken van map </translation>
    </message>
    <message id="text-420">
        <source>Medium not writable or you do not have the proper authorization</source>
        <translation>Medium is niet beschrijfbaar of u hebt niet de juiste rechten</translation>
    </message>
    <message id="text-421">
        <source>Files can not be renamed and moved! Procedure termninated</source>
        <translation>Bestanden kunnen niet worden hernoemd en verplaatst! Procedure afgebroken</translation>
    </message>
    <message id="text-422">
        <source>Error : </source>
        <translation>Fout : </translation>
    </message>
    <message id="text-428">
        <source>Remove the workfiles</source>
        <translation>Werkbestanden verwijderen</translation>
    </message>
    <message id="text-446">
        <source> - Options</source>
        <translation> - Opties</translation>
    </message>
    <message id="text-453">
        <source>Find string</source>
        <translation>Zoektekst</translation>
    </message>
    <message id="text-454">
        <source>Replace by</source>
        <translation>Vervangen door</translation>
    </message>
    <message id="text-455">
        <source>&amp;Replace one by one</source>
        <translation>&amp;Een voor een vervangen</translation>
    </message>
    <message id="text-456">
        <source>Replace a&amp;ll</source>
        <translation>Alles &amp;vervangen</translation>
    </message>
    <message id="text-457">
        <source>&amp;Find</source>
        <translation>Z&amp;oeken</translation>
    </message>
    <message id="text-458">
        <source>&amp;Edit mode</source>
        <translation>&amp;Bewerkmodus</translation>
    </message>
    <message id="text-459">
        <source>&amp;Ignore case</source>
        <translation>Hoofdletters &amp;negeren</translation>
    </message>
    <message id="text-460">
        <source>Replace ?</source>
        <translation>Vervangen ?</translation>
    </message>
    <message id="text-473">
        <source>Selected folder:</source>
        <translation>Geselecteerde map:</translation>
    </message>
    <message id="text-482">
        <source>First step: Select a folder as your main picture storage folder, click 'Next' when done</source>
        <translation>Eerste stap: selecteer een map als hoofdmap voor fotoopslag, klik op 'Volgende' als u klaar bent</translation>
    </message>
    <message id="text-483">
        <source>Second step: Click on the header of the picture storage scheme of your choice</source>
        <translation>Tweede stap: klik op de kop van het opslagschema van uw keuze</translation>
    </message>
    <message id="text-484">
        <source>Last step: Supply details, click 'Finish' when done</source>
        <translation>Laatste stap: vul de details in, klik op 'Voltooien' als u klaar bent</translation>
    </message>
    <message id="text-485">
        <source>Undo the Setup of Picture Storage Management?</source>
        <translation>Instelling van Fotoopslagbeheer ongedaan maken?</translation>
    </message>
    <message id="text-486">
        <source>Choose a folder</source>
        <translation>Kies een map</translation>
    </message>
    <message id="text-487">
        <source>Selected folder: (does not exist anymore!)</source>
        <translation>Geselecteerde map: (bestaat niet meer!)</translation>
    </message>
    <message id="text-513">
        <source>Click 'Finish' to undo the setup of Picture Storage Management. (Pictures will be only renamed instead of renamed and moved.)</source>
        <translation>Klik op 'Voltooien' om de instelling van Fotoopslagbeheer ongedaan te maken. (Foto's worden dan alleen hernoemd in plaats van hernoemd en verplaatst.)</translation>
    </message>
    <message id="text-514">
        <source>Click 'Previous' to select the Picture Storage Scheme of your choice.</source>
        <translation>Klik op 'Vorige' om het opslagschema van uw keuze te selecteren.</translation>
    </message>
    <message id="text-522">
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message id="text-523">
        <source>Per Subject/Date taken</source>
        <translation>Per Onderwerp/Opnamedatum</translation>
    </message>
    <message id="text-524">
        <source>Per Subject/Year/Date taken</source>
        <translation>Per Onderwerp/Jaar/Opnamedatum</translation>
    </message>
    <message id="text-525">
        <source>Per Year/Subject/Date taken</source>
        <translation>Per Jaar/Onderwerp/Opnamedatum</translation>
    </message>
    <message id="text-526">
        <source>Per Subject/Year/Month/Date taken</source>
        <translation>Per Onderwerp/Jaar/Maand/Opnamedatum</translation>
    </message>
    <message id="text-527">
        <source>Per Year/Subject/Month/Date taken</source>
        <translation>Per Jaar/Onderwerp/Maand/Opnamedatum</translation>
    </message>
    <message id="text-528">
        <source>Per Year/Month/Subject/Date taken</source>
        <translation>Per Jaar/Maand/Onderwerp/Opnamedatum</translation>
    </message>
    <message id="text-533">
        <source>Setup is incomplete, Picture Storage Management will not be activated.</source>
        <translation>De instelling is onvolledig, Fotoopslagbeheer wordt niet geactiveerd.</translation>
    </message>
    <message id="text-534">
        <source>Are you sure to want to quit this procedure?</source>
        <translation>Weet u zeker dat u deze procedure wilt afbreken?</translation>
    </message>
    <message id="text-535">
        <source>The changes you made will not be stored unless you complete Setup.</source>
        <translation>Uw wijzigingen worden alleen opgeslagen als u de instelling voltooit.</translation>
    </message>
    <message id="text-544">
        <source>Type a new subject and press the Add button</source>
        <translation>Typ een nieuw onderwerp en druk op de knop Toevoegen</translation>
    </message>
    <message id="text-547">
        <source>Edit this subject and press the OK button</source>
        <translation>Bewerk dit onderwerp en druk op de knop OK</translation>
    </message>
    <message id="text-548">
        <source>Subject can not be space!</source>
        <translation>Onderwerp mag niet leeg zijn!</translation>
    </message>
    <message id="text-549">
        <source>Subject is already listed!</source>
        <translation>Onderwerp staat al in de lijst!</translation>
    </message>
    <message id="text-550">
        <source>Subject could not be added!</source>
        <translation>Onderwerp kon niet worden toegevoegd!</translation>
    </message>
    <message id="text-551">
        <source>Subject could not be edited!</source>
        <translation>Onderwerp kon niet worden bewerkt!</translation>
    </message>
    <message id="text-552">
        <source>D&amp;one</source>
        <translation>&amp;Klaar</translation>
    </message>
    <message id="text-553">
        <source>Subject '</source>
        <translation>Onderwerp '</translation>
    </message>
    <message id="text-554">
        <source>Are you sure you want to remove it?</source>
        <translation>Weet u zeker dat u het wilt verwijderen?</translation>
    </message>
    <message id="text-555">
        <source>Remove subject '</source>
        <translation>Verwijderen van onderwerp '</translation>
    </message>
    <message id="text-556">
        <source>Subject could not be deleted!</source>
        <translation>Onderwerp kon niet worden verwijderd!</translation>
    </message>
    <message id="text-570">
        <source>First date can not be equal to Last date</source>
        <translation>Eerste datum mag niet gelijk zijn aan laatste datum</translation>
    </message>
    <message id="text-571">
        <source>but no subject has been selected!</source>
        <translation>maar er is geen onderwerp geselecteerd!</translation>
    </message>
    <message id="text-572">
        <source>Please select a subject first and then press 'Show folder structure' again.</source>
        <translation>Selecteer eerst een onderwerp en druk dan opnieuw op 'Mapstructuur tonen'.</translation>
    </message>
    <message id="text-573">
        <source>Are you sure you don't want to add a description to the group folder</source>
        <translation>Weet u zeker dat u geen beschrijving aan de groepsmap wilt toevoegen</translation>
    </message>
    <message id="text-574">
        <source>The group folder to create overlaps with '</source>
        <translation>De aan te maken groepsmap overlapt met '</translation>
    </message>
    <message id="text-575">
        <source>You have to solve this problem manually before the new group folder can be created.</source>
        <translation>U moet dit probleem handmatig oplossen voordat de nieuwe groepsmap kan worden aangemaakt.</translation>
    </message>
    <message id="text-576">
        <source>All folders in this structure already exist!</source>
        <translation>Alle mappen in deze structuur bestaan al!</translation>
    </message>
    <message id="text-577">
        <source>Folder structure succesfully created!</source>
        <translation>Mapstructuur is aangemaakt!</translation>
    </message>
    <message id="text-578">
        <source>Could not remove folder </source>
        <translation>Fout bij het verwijderen van map </translation>
    </message>
    <message id="text-579">
        <source>Either the folder is not empty anymore or the medium not writable or you do not have the proper authorization.</source>
        <translation>De map is niet meer leeg, het medium is niet beschrijfbaar of u hebt niet de juiste rechten.</translation>
    </message>
    <message id="text-580">
        <source>Created folders succesfully removed!</source>
        <translation>Aangemaakte mappen zijn verwijderd!</translation>
    </message>
    <message id="text-581">
        <source>Folder structure has not been created yet.</source>
        <translation>De mapstructuur is nog niet aangemaakt.</translation>
    </message>
    <message id="text-582">
        <source>Are you sure to want to quit this procedure?</source>
        <translation>Weet u zeker dat u deze procedure wilt afbreken?</translation>
    </message>
    <message id="text-599">
        <source>Top 5 of used words of </source>
        <translation>Top 5 meest gebruikte woorden van </translation>
    </message>
    <message id="text-600">
        <source>or more characters long</source>
        <translation>of meer tekens lang</translation>
    </message>
    <message id="text-604">
        <source>New folder: </source>
        <translation>Nieuwe map: </translation>
    </message>
    <message id="text-606">
        <source>List of </source>
        <translation>Lijst van </translation>
    </message>
    <message id="text-607">
        <source> new folders to be created</source>
        <translation> nieuwe mappen die worden aangemaakt</translation>
    </message>
    <message id="text-608">
        <source>1 new folder to be created</source>
        <translation>1 nieuwe map die wordt aangemaakt</translation>
    </message>
    <message id="text-609">
        <source> (for Subject '</source>
        <translation> (voor onderwerp '</translation>
    </message>
    <message id="text-610">
        <source>Information on the </source>
        <translation>Informatie over de </translation>
    </message>
    <message id="text-611">
        <source> pictures destined for this new folder</source>
        <translation> foto's voor deze nieuwe map</translation>
    </message>
    <message id="text-612">
        <source>Information on the only picture destined for this new folder</source>
        <translation>Informatie over de enige foto voor deze nieuwe map</translation>
    </message>
    <message id="text-613">
        <source>No free text elements supplied!</source>
        <translation>Geen vrije-tekstelementen opgegeven!</translation>
    </message>
    <message id="text-615">
        <source>All folders already have a description, check 'Overwrite' when desired</source>
        <translation>Alle mappen hebben al een beschrijving, vink desgewenst 'Bestaande beschrijvingen overschrijven' aan</translation>
    </message>
    <message id="text-616">
        <source>For </source>
        <translation>Voor </translation>
    </message>
    <message id="text-617">
        <source> folder(s) no description could be generated for one of the following reasons: </source>
        <translation> map(pen) kon geen beschrijving worden gemaakt om een van de volgende redenen: </translation>
    </message>
    <message id="text-618">
        <source>  1 - No free text elements, nor a prefix and/or suffix were supplied.</source>
        <translation>  1 - Er zijn geen vrije-tekstelementen en ook geen voorvoegsel en/of achtervoegsel opgegeven.</translation>
    </message>
    <message id="text-619">
        <source>  2 - The value of the minimum length of words to be selected is set too high.</source>
        <translation>  2 - De minimale lengte van de te selecteren woorden is te hoog ingesteld.</translation>
    </message>
    <message id="text-620">
        <source> folder(s) already had a description but no description could be generated for</source>
        <translation> map(pen) hadden al een beschrijving, maar daarvoor kon geen nieuwe beschrijving worden gemaakt</translation>
    </message>
    <message id="text-621">
        <source>for one of reasons as mentioned above. Those existing descriptions have not been overwritten.</source>
        <translation>om een van de hierboven genoemde redenen. Die bestaande beschrijvingen zijn niet overschreven.</translation>
    </message>
    <message id="text-622">
        <source>for one of the following reasons:</source>
        <translation>om een van de volgende redenen:</translation>
    </message>
    <message id="text-623">
        <source>Those existing descriptions have not been overwritten.</source>
        <translation>Die bestaande beschrijvingen zijn niet overschreven.</translation>
    </message>
    <message id="text-624">
        <source>There is still 1 folder without a description.</source>
        <translation>Er is nog 1 map zonder beschrijving.</translation>
    </message>
    <message id="text-625">
        <source>Are you sure to want to continue the renaming process without supplying descriptions for all folders to be created?</source>
        <translation>Weet u zeker dat u wilt doorgaan met hernoemen zonder beschrijvingen op te geven voor alle mappen die worden aangemaakt?</translation>
    </message>
    <message id="text-626">
        <source>There are still </source>
        <translation>Er zijn nog </translation>
    </message>
    <message id="text-627">
        <source> folders without a description.</source>
        <translation> mappen zonder beschrijving.</translation>
    </message>
    <message id="text-632">
        <source>Confirm description and go to the next new folder</source>
        <translation>Beschrijving bevestigen en naar de volgende nieuwe map gaan</translation>
    </message>
    <message id="text-635">
        <source>Organize your pictures on the fly!</source>
        <translation>Orden uw foto's in één moeite door!</translation>
    </message>
    <message id="text-636">
        <source>Apart from renaming pictures, Mirelto can move your pictures at the same time.</source>
        <translation>Naast het hernoemen kan Mirelto uw foto's tegelijkertijd verplaatsen.</translation>
    </message>
    <message id="text-637">
        <source>Select a Main Picture Storage folder, choose your Picture Storage Scheme and supply some details.</source>
        <translation>Selecteer een hoofdmap voor fotoopslag, kies uw opslagschema en vul enkele gegevens in.</translation>
    </message>
    <message id="text-638">
        <source>That's all!</source>
        <translation>Dat is alles!</translation>
    </message>
    <message id="text-639">
        <source>&amp;Run Setup now</source>
        <translation>&amp;Nu instellen</translation>
    </message>
    <message id="text-640">
        <source>&amp;Show this message next time</source>
        <translation>&amp;Toon dit bericht de volgende keer</translation>
    </message>
    <message id="text-641">
        <source>Mirelto Setup Picture Storage Management?</source>
        <translation>Mirelto: Fotoopslagbeheer instellen?</translation>
    </message>
    <message id="text-642">
        <source> To rename pictures on a network location, make a network drive first and select the network drive, can not run program</source>
        <translation> Maak eerst een netwerkstation aan en selecteer dat station om foto's op een netwerklocatie te hernoemen, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-643">
        <source> To avoid storage problems, this program requires at least 5 MB of free space, can not run program</source>
        <translation> Om opslagproblemen te voorkomen heeft dit programma minstens 5 MB vrije ruimte nodig, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-649">
        <source> Chosen drive doesn't support long file names, can not run program</source>
        <translation> Het gekozen station ondersteunt geen lange bestandsnamen, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-650">
        <source> You can not choose the directory that contains the application, can not run program</source>
        <translation> U kunt niet de map kiezen waarin het programma staat, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-651">
        <source> could not be created, can not run program</source>
        <translation> kon niet worden aangemaakt, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-652">
        <source> is set to read-only, can not run program</source>
        <translation> is alleen-lezen, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-653">
        <source> initialization error, can not run program</source>
        <translation> initialisatiefout, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-655">
        <source>Another way to start!</source>
        <translation>Een andere manier om te starten!</translation>
    </message>
    <message id="text-656">
        <source>You can also start Mirelto from Windows Explorer</source>
        <translation>U kunt Mirelto ook starten vanuit uw bestandsbeheerder</translation>
    </message>
    <message id="text-657">
        <source>Right click on a folder to show the folder context menu</source>
        <translation>Klik met de rechtermuisknop op een map om het mapmenu te tonen</translation>
    </message>
    <message id="text-658">
        <source>and choose 'Mirelto.'</source>
        <translation>en kies 'Mirelto'.</translation>
    </message>
    <message id="text-660">
        <source>You can also start Mirelto by clicking on its icon on your</source>
        <translation>U kunt Mirelto ook starten door op het pictogram op uw</translation>
    </message>
    <message id="text-661">
        <source>desktop or by selecting Mirelto through the Start menu.</source>
        <translation>bureaublad te klikken of door Mirelto in het startmenu te kiezen.</translation>
    </message>
    <message id="text-662">
        <source>A window will be displayed to select a folder containing pictures</source>
        <translation>Er verschijnt dan een venster om een map met foto's te kiezen</translation>
    </message>
    <message id="text-663">
        <source>you want to organize/rename.</source>
        <translation>die u wilt ordenen/hernoemen.</translation>
    </message>
    <message id="text-674">
        <source>Dictionary full!</source>
        <translation>Woordenboek vol!</translation>
    </message>
    <message id="text-675">
        <source>The folder you selected generates more entries than </source>
        <translation>De gekozen map levert meer ingangen op dan </translation>
    </message>
    <message id="text-676">
        <source>allowed by the current dictionary settings.</source>
        <translation>de huidige woordenboekinstellingen toestaan.</translation>
    </message>
    <message id="text-677">
        <source>When desired, you can increase this maximum number </source>
        <translation>Indien gewenst kunt u dit maximum aantal ingangen </translation>
    </message>
    <message id="text-678">
        <source>of entries by changing the current dictionary settings. </source>
        <translation>verhogen door de woordenboekinstellingen te wijzigen. </translation>
    </message>
    <message id="text-679">
        <source>To do so choose 'Dictionary options' from the</source>
        <translation>Kies daarvoor 'Woordenboekopties' in het</translation>
    </message>
    <message id="text-680">
        <source>Dictionary menu.</source>
        <translation>menu Woordenboek.</translation>
    </message>
    <message id="text-681">
        <source>CAUTION!</source>
        <translation>LET OP!</translation>
    </message>
    <message id="text-682">
        <source>Be careful with retitleling pictures in a folder on </source>
        <translation>Wees voorzichtig met het hernoemen van foto's in een map op </translation>
    </message>
    <message id="text-683">
        <source>a removable drive.</source>
        <translation>een verwisselbaar station.</translation>
    </message>
    <message id="text-684">
        <source>In case of a memory card, it is strongly recommended </source>
        <translation>Bij een geheugenkaart wordt sterk aangeraden om de foto's </translation>
    </message>
    <message id="text-685">
        <source>to first copy the pictures to a hard drive and perform </source>
        <translation>eerst naar een harde schijf te kopiëren en het hernoemen </translation>
    </message>
    <message id="text-686">
        <source>the retitling on that hard drive.</source>
        <translation>op die harde schijf uit te voeren.</translation>
    </message>
    <message id="text-687">
        <source>Otherwise problems may arise when you use the memory card</source>
        <translation>Anders kunnen er problemen ontstaan wanneer u de geheugenkaart</translation>
    </message>
    <message id="text-688">
        <source>in your digital camera afterwards.</source>
        <translation>daarna weer in uw digitale camera gebruikt.</translation>
    </message>
    <message id="text-694">
        <source>Mirelto requires a minimum screen resolution of 1024x600 pixels</source>
        <translation>Mirelto vereist een minimale schermresolutie van 1024x600 pixels</translation>
    </message>
    <message id="text-695">
        <source>Please install Mirelto on a fixed drive first and then run the program again</source>
        <translation>Installeer Mirelto eerst op een vaste schijf en start het programma daarna opnieuw</translation>
    </message>
    <message id="text-697">
        <source> does not exist, can not run program</source>
        <translation> bestaat niet, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-700">
        <source> picture(s) successfully retitled/moved, </source>
        <translation> foto('s) met succes hernoemd/verplaatst, </translation>
    </message>
    <message id="text-701">
        <source> picture(s) successfully retitled, </source>
        <translation> foto('s) met succes hernoemd, </translation>
    </message>
    <message id="text-702">
        <source> file(s) synchronized</source>
        <translation> bestand(en) gesynchroniseerd</translation>
    </message>
    <message id="text-703">
        <source> failure(s) occurred</source>
        <translation> fout(en) opgetreden</translation>
    </message>
    <message id="text-704">
        <source> picture(s) successfully retitled and moved</source>
        <translation> foto('s) met succes hernoemd en verplaatst</translation>
    </message>
    <message id="text-705">
        <source> picture(s) successfully retitled</source>
        <translation> foto('s) met succes hernoemd</translation>
    </message>
    <message id="text-746">
        <source>All information you put in the area underneath can be instantly written into </source>
        <translation>Alle informatie die u in het vak hieronder plaatst, kan direct worden opgenomen in </translation>
    </message>
    <message id="text-747">
        <source>the Static Dictionary. Simply copy information from other sources, like</source>
        <translation>het statische woordenboek. Kopieer gewoon informatie uit andere bronnen, zoals</translation>
    </message>
    <message id="text-748">
        <source>Internet pages or Word documents etc., and paste it onto the</source>
        <translation>internetpagina's of Word-documenten enz., en plak deze op het</translation>
    </message>
    <message id="text-749">
        <source>Mirelto clipboard.</source>
        <translation>Mirelto-klembord.</translation>
    </message>
    <message id="text-750">
        <source>Information worth keeping can be kept in a Private dictionary.</source>
        <translation>Informatie die het bewaren waard is, kunt u in een privéwoordenboek bewaren.</translation>
    </message>
    <message id="text-751">
        <source>For instance: if you often make family pictures, it is a good idea to type the</source>
        <translation>Bijvoorbeeld: als u vaak familiefoto's maakt, is het handig om de</translation>
    </message>
    <message id="text-752">
        <source>names of your family members on the Mirelto clipboard and</source>
        <translation>namen van uw familieleden op het Mirelto-klembord te typen en</translation>
    </message>
    <message id="text-753">
        <source>save the information into a Private Dictionary for future use.</source>
        <translation>deze informatie voor later gebruik in een privéwoordenboek op te slaan.</translation>
    </message>
    <message id="text-754">
        <source>Clipboard to Static Dictionary</source>
        <translation>Klembord naar statisch woordenboek</translation>
    </message>
    <message id="text-758">
        <source>Private dictionary</source>
        <translation>Privéwoordenboek</translation>
    </message>
    <message id="text-759">
        <source>&amp;Load onto Clipboard</source>
        <translation>Op klembord &amp;laden</translation>
    </message>
    <message id="text-760">
        <source>&amp;Save Clipboard into</source>
        <translation>Klembord op&amp;slaan in</translation>
    </message>
    <message id="text-761">
        <source>Replace </source>
        <translation>Vervang </translation>
    </message>
    <message id="text-762">
        <source> by </source>
        <translation> door </translation>
    </message>
    <message id="text-764">
        <source>No folder selected!</source>
        <translation>Geen map geselecteerd!</translation>
    </message>
    <message id="text-776">
        <source>[Marked for deletion]</source>
        <translation>[Gemarkeerd om te verwijderen]</translation>
    </message>
    <message id="text-777">
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message id="text-778">
        <source>&amp;Keep</source>
        <translation>&amp;Behouden</translation>
    </message>
    <message id="text-779">
        <source>Mark this picture for deletion</source>
        <translation>Markeer deze foto om te verwijderen</translation>
    </message>
    <message id="text-780">
        <source>Keep this picture</source>
        <translation>Behoud deze foto</translation>
    </message>
    <message id="text-781">
        <source>The following </source>
        <translation>De volgende </translation>
    </message>
    <message id="text-782">
        <source> pictures will be deleted</source>
        <translation> foto's worden verwijderd</translation>
    </message>
    <message id="text-783">
        <source>The following picture will be deleted</source>
        <translation>De volgende foto wordt verwijderd</translation>
    </message>
    <message id="text-784">
        <source>* These picture(s) will be deleted after you press the 'Retitle Now' button</source>
        <translation>* Deze foto('s) worden verwijderd nadat u op de knop 'Nu hernoemen' hebt gedrukt</translation>
    </message>
    <message id="text-788">
        <source> (Delete information...)</source>
        <translation> (Verwijderinformatie...)</translation>
    </message>
    <message id="text-789">
        <source> picture(s) succesfully deleted</source>
        <translation> foto('s) met succes verwijderd</translation>
    </message>
    <message id="text-790">
        <source> synchronized file(s) deleted</source>
        <translation> gesynchroniseerde bestand(en) verwijderd</translation>
    </message>
    <message id="text-791">
        <source> file(s) could not be deleted</source>
        <translation> bestand(en) konden niet worden verwijderd</translation>
    </message>
    <message id="text-795">
        <source>Note: you can have lines from the clipboard clipped in parts varying from 30</source>
        <translation>Let op: regels van het klembord kunnen worden opgeknipt in delen van 30</translation>
    </message>
    <message id="text-796">
        <source>to a 100 characters (to avoid too long entries).</source>
        <translation>tot 100 tekens (om te lange trefwoorden te voorkomen).</translation>
    </message>
    <message id="text-797">
        <source>To change this value: go to the Dictionary menu-&gt;Dictionary options.</source>
        <translation>Deze waarde wijzigen: ga naar menu Woordenboek-&gt;Woordenboekopties.</translation>
    </message>
    <message id="text-803">
        <source>Find/Replace in Free text element of the selected pictures</source>
        <translation>Zoeken/vervangen in het vrije-tekstelement van de geselecteerde foto's</translation>
    </message>
    <message id="text-804">
        <source>(Also delete marks will be erased!)</source>
        <translation>(Ook verwijdermarkeringen worden gewist!)</translation>
    </message>
    <message id="text-810">
        <source>All selected pictures are marked for deletion, can not assign Subject</source>
        <translation>Alle geselecteerde foto's zijn gemarkeerd om te verwijderen, kan geen onderwerp toekennen</translation>
    </message>
    <message id="text-811">
        <source>All selected pictures are marked for deletion, nothing to erase</source>
        <translation>Alle geselecteerde foto's zijn gemarkeerd om te verwijderen, er is niets te wissen</translation>
    </message>
    <message id="text-816">
        <source>Paste or write any text in the clipboard area underneath</source>
        <translation>Plak of typ willekeurige tekst in het klembordvak hieronder</translation>
    </message>
    <message id="text-821">
        <source>Recreate subjects from &amp;main folder</source>
        <translation>Onderwerpen opnieuw maken uit &amp;hoofdmap</translation>
    </message>
    <message id="text-822">
        <source>Number of subjects added: </source>
        <translation>Aantal toegevoegde onderwerpen: </translation>
    </message>
    <message id="text-823">
        <source>No subjects added</source>
        <translation>Geen onderwerpen toegevoegd</translation>
    </message>
    <message id="text-824">
        <source>Number of subjects that could not be added: </source>
        <translation>Aantal onderwerpen dat niet kon worden toegevoegd: </translation>
    </message>
    <message id="text-825">
        <source>Add subject '</source>
        <translation>Toevoegen van onderwerp '</translation>
    </message>
    <message id="text-841">
        <source>After rebuilding the Exif database, all your selections and edited tag descriptions will be lost.</source>
        <translation>Na het opnieuw opbouwen van de Exif-database gaan al uw selecties en bewerkte tagbeschrijvingen verloren.</translation>
    </message>
    <message id="text-842">
        <source>The selected tags will not appear in the picture title as long as 'Exif tags in title' not is checked.</source>
        <translation>De geselecteerde tags verschijnen niet in de fototitel zolang 'Exif-tags in titel' niet is aangevinkt.</translation>
    </message>
    <message id="text-843">
        <source> Building initial Exif tag database...</source>
        <translation> Eerste Exif-tagdatabase wordt opgebouwd...</translation>
    </message>
    <message id="text-844">
        <source>No Exif tags found in this set of pictures</source>
        <translation>Geen Exif-tags gevonden in deze verzameling foto's</translation>
    </message>
    <message id="text-845">
        <source>new Exif tags added from current picture</source>
        <translation>nieuwe Exif-tags toegevoegd van huidige foto</translation>
    </message>
    <message id="text-847">
        <source>A tag description cannot contain any of the following characters:</source>
        <translation>Een tagbeschrijving mag geen van de volgende tekens bevatten:</translation>
    </message>
    <message id="text-848">
        <source>A tag description cannot be empty</source>
        <translation>Een tagbeschrijving mag niet leeg zijn</translation>
    </message>
    <message id="text-849">
        <source>Not a single tag is selected while 'Exif tags in title' is checked.</source>
        <translation>Er is geen enkele tag geselecteerd terwijl 'Exif-tags in titel' is aangevinkt.</translation>
    </message>
    <message id="text-850">
        <source>na</source>
        <translation>nb</translation>
    </message>
    <message id="text-859">
        <source>Picture prefix could not be updated or added!</source>
        <translation>De lijst met fotovoorvoegsels kon niet worden bijgewerkt!</translation>
    </message>
    <message id="text-860">
        <source>Picture Suffix could not be updated or added!</source>
        <translation>De lijst met fotoachtervoegsels kon niet worden bijgewerkt!</translation>
    </message>
    <message id="text-868">
        <source>Change other following q1 occurrence(s) of q2 into q3?</source>
        <translation>Ook de volgende q1 keer(en) q2 wijzigen in q3?</translation>
    </message>
    <message id="text-869">
        <source>Clear all items from the drop down list?</source>
        <translation>Alle items uit de keuzelijst verwijderen?</translation>
    </message>
    <message id="text-871">
        <source> Active : </source>
        <translation> Actief : </translation>
    </message>
    <message id="text-872">
        <source>, Static : </source>
        <translation>, Statisch : </translation>
    </message>
    <message id="text-873">
        <source> Context dictionary</source>
        <translation> Contextwoordenboek</translation>
    </message>
    <message id="text-874">
        <source>No hits in Context dictionary</source>
        <translation>Geen treffers in het contextwoordenboek</translation>
    </message>
    <message id="text-875">
        <source>Mirelto 4.0 comes with new editing features which are explained in the window on the right</source>
        <translation>Mirelto 4.0 heeft nieuwe bewerkingsfuncties die in het venster rechts worden uitgelegd</translation>
    </message>
    <message id="text-876">
        <source>Show help window next time?</source>
        <translation>Helpvenster de volgende keer tonen?</translation>
    </message>
    <message id="text-877">
        <source>empty prefix(es)</source>
        <translation>leeg voorvoegsel</translation>
    </message>
    <message id="text-878">
        <source>empty suffix(es)</source>
        <translation>leeg achtervoegsel</translation>
    </message>
    <message id="text-879">
        <source>an empty prefix</source>
        <translation>een leeg voorvoegsel</translation>
    </message>
    <message id="text-880">
        <source>an empty suffix</source>
        <translation>een leeg achtervoegsel</translation>
    </message>
    <message id="text-881">
        <source>You can not edit free text for a picture that is not selected</source>
        <translation>U kunt geen vrije tekst bewerken voor een foto die niet is geselecteerd</translation>
    </message>
    <message id="text-904">
        <source> is a symbolic link, can not run program</source>
        <translation> is een symbolische koppeling, programma kan niet worden uitgevoerd</translation>
    </message>
    <message id="text-905">
        <source>This screen offers %1x%2 pixels.</source>
        <translation>Dit scherm biedt %1x%2 pixels.</translation>
    </message>
    <message id="text-906">
        <source>This screen offers %1x%2 pixels: %3x%4 device pixels at a scale factor of %5.</source>
        <translation>Dit scherm biedt %1x%2 pixels: %3x%4 apparaatpixels bij een schaalfactor van %5.</translation>
    </message>
    <message id="text-907">
        <source>For Mirelto to run, the taskbar needs to be either at the top or the bottom of the screen</source>
        <translation>Om Mirelto te kunnen uitvoeren, moet de taakbalk boven- of onderaan het scherm staan</translation>
    </message>
    <message id="text-908">
        <source>Error writing to </source>
        <translation>Fout bij het schrijven naar </translation>
    </message>
    <message id="text-909">
        <source>Mirelto is already working on folder %1. Close it first to work on folder %2.</source>
        <translation>Mirelto werkt al aan map %1. Sluit die map eerst af om aan map %2 te werken.</translation>
    </message>
    <message id="text-910">
        <source>Text files</source>
        <translation>Tekstbestanden</translation>
    </message>
    <message id="text-911">
        <source>&amp;Browse</source>
        <translation>&amp;Bladeren</translation>
    </message>
    <message id="text-912">
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleer</translation>
    </message>
    <message id="text-913">
        <source>Make static dictionary from folder</source>
        <translation>Statisch woordenboek maken van map</translation>
    </message>
    <message id="text-914">
        <source>Folders read: %1 of %2
Pictures read: %3
Entries in Static dictionary: %4</source>
        <translation>Mappen gelezen: %1 van %2
Foto's gelezen: %3
Trefwoorden in statisch woordenboek: %4</translation>
    </message>
    <message id="text-915">
        <source>You are &amp;done with this folder!</source>
        <translation>U bent &amp;klaar met deze map!</translation>
    </message>
    <message id="text-916">
        <source>Remove source folder</source>
        <translation>Bronmap verwijderen</translation>
    </message>
    <message id="text-917">
        <source>Source folder '</source>
        <translation>Bronmap '</translation>
    </message>
    <message id="text-918">
        <source>' is empty and can be removed (provided that the source folder is not in use by another program)</source>
        <translation>' is leeg en kan worden verwijderd (mits de bronmap niet door een ander programma wordt gebruikt)</translation>
    </message>
    <message id="text-919">
        <source>' is not empty</source>
        <translation>' is niet leeg</translation>
    </message>
    <message id="text-920">
        <source>Please confirm that you are done with this folder</source>
        <translation>Bevestig dat u klaar bent met deze map</translation>
    </message>
    <message id="text-921">
        <source>Are you done with this folder?</source>
        <translation>Bent u klaar met deze map?</translation>
    </message>
    <message id="text-922">
        <source>&amp;Yes, remove the work files</source>
        <translation>&amp;Ja, werkbestanden verwijderen</translation>
    </message>
    <message id="text-923">
        <source>&amp;No, I want to resume this session later</source>
        <translation>&amp;Nee, ik wil deze sessie later hervatten</translation>
    </message>
    <message id="text-924">
        <source>Beware</source>
        <translation>Let op</translation>
    </message>
    <message id="text-925">
        <source>When the workfiles</source>
        <translation>Wanneer de werkbestanden</translation>
    </message>
    <message id="text-926">
        <source>are removed, also </source>
        <translation>worden verwijderd, wordt ook </translation>
    </message>
    <message id="text-927">
        <source>the Active Dictionary</source>
        <translation>het actieve woordenboek</translation>
    </message>
    <message id="text-928">
        <source>is erased.</source>
        <translation>gewist.</translation>
    </message>
    <message id="text-929">
        <source>Before removing the workfiles:</source>
        <translation>Voordat de werkbestanden worden verwijderd:</translation>
    </message>
    <message id="text-930">
        <source>Add the contents of the Active Dictionary to the Static Dictionary</source>
        <translation>De inhoud van het actieve woordenboek aan het statische woordenboek toevoegen</translation>
    </message>
    <message id="text-931">
        <source>Replace the Static Dictionary by the Active Dictionary</source>
        <translation>Het statische woordenboek vervangen door het actieve woordenboek</translation>
    </message>
    <message id="text-932">
        <source>Erase the Active Dictionary without saving the contents</source>
        <translation>Het actieve woordenboek wissen zonder de inhoud te bewaren</translation>
    </message>
    <message id="text-933">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="text-934">
        <source>or any similar program.</source>
        <translation>of een vergelijkbaar programma.</translation>
    </message>
    <message id="text-935">
        <source>C&amp;ontinue</source>
        <translation>&amp;Doorgaan</translation>
    </message>
    <message id="text-936">
        <source>&amp;File</source>
        <translation>Be&amp;stand</translation>
    </message>
    <message id="text-937">
        <source>&amp;Dictionary</source>
        <translation>&amp;Woordenboek</translation>
    </message>
    <message id="text-938">
        <source>&amp;Edit</source>
        <translation>B&amp;ewerken</translation>
    </message>
    <message id="text-939">
        <source>Ex&amp;tra</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message id="text-940">
        <source>&amp;Add title elements</source>
        <translation>Titelele&amp;menten</translation>
    </message>
    <message id="text-941">
        <source>&amp;Retitle</source>
        <translation>Her&amp;noemen</translation>
    </message>
    <message id="text-942">
        <source>Select pictures to retitle in the list beneath</source>
        <translation>Selecteer in de lijst hieronder de foto's die u wilt hernoemen</translation>
    </message>
    <message id="text-943">
        <source>Do not forget to check the desired strings</source>
        <translation>Vergeet niet de gewenste teksten aan te vinken</translation>
    </message>
    <message id="text-944">
        <source>Supply a description per picture (in free text element) with the help of the dictionary</source>
        <translation>Geef per foto een beschrijving (in het vrije-tekstelement) met behulp van het woordenboek</translation>
    </message>
    <message id="text-945">
        <source>Note: found pictures will be added to the current selection</source>
        <translation>Let op: gevonden foto's worden aan de huidige selectie toegevoegd</translation>
    </message>
    <message id="text-946">
        <source>Select pictures based on the occurrence of one or more strings in its current title</source>
        <translation>Foto's selecteren op basis van een of meer teksten in hun huidige titel</translation>
    </message>
    <message id="text-947">
        <source>Add new strings you want to use for selection, remove selection strings and change selection strings</source>
        <translation>Nieuwe selectieteksten toevoegen, selectieteksten verwijderen en selectieteksten wijzigen</translation>
    </message>
    <message id="text-948">
        <source>Set Program Options regarding messages and the Guide</source>
        <translation>Programma-opties instellen voor berichten en de gids</translation>
    </message>
    <message id="text-949">
        <source>Use this option when you are done with this folder. Upon confirmation, pending changes will be lost!</source>
        <translation>Gebruik deze optie als u klaar bent met deze map. Na bevestiging gaan nog niet doorgevoerde wijzigingen verloren!</translation>
    </message>
    <message id="text-950">
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message id="text-951">
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message id="text-952">
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message id="text-953">
        <source>Confirm</source>
        <translation>Bevestig</translation>
    </message>
    <message id="text-954">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="text-955">
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message id="text-956">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="text-957">
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message id="text-958">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="text-959">
        <source>&amp;Abort</source>
        <translation>&amp;Abort</translation>
    </message>
    <message id="text-960">
        <source>&amp;Retry</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message id="text-961">
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message id="text-962">
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message id="text-963">
        <source>N&amp;o to All</source>
        <translation>N&amp;ee voor Alles</translation>
    </message>
    <message id="text-964">
        <source>Yes to &amp;All</source>
        <translation>Ja voor &amp;Alles</translation>
    </message>
    <message id="text-965">
        <source>Copy information from any source into the Static Dictionary</source>
        <translation>Informatie uit een willekeurige bron naar het statische woordenboek kopiëren</translation>
    </message>
    <message id="text-966">
        <source>Pick available dictionaries from the Mirelto web-site</source>
        <translation>Beschikbare woordenboeken ophalen van de Mirelto-website</translation>
    </message>
    <message id="text-967">
        <source>Pick a folder with pictures containing a similar subject</source>
        <translation>Kies een map met foto's over een vergelijkbaar onderwerp</translation>
    </message>
    <message id="text-968">
        <source>This is the part of the dictionary containing the titles you supplied in this session</source>
        <translation>Dit is het deel van het woordenboek met de titels die u in deze sessie hebt ingevoerd</translation>
    </message>
    <message id="text-969">
        <source>Set the maximum number of entries for the static dictionary to contain</source>
        <translation>Het maximum aantal trefwoorden in het statische woordenboek instellen</translation>
    </message>
    <message id="text-970">
        <source>Find and replace strings in the provided descriptions (in the free text element)</source>
        <translation>Teksten zoeken en vervangen in de ingevoerde beschrijvingen (in het vrije-tekstelement)</translation>
    </message>
    <message id="text-971">
        <source>Your work is automatically saved! You can resume the session for this folder at any time</source>
        <translation>Uw werk wordt automatisch bewaard! U kunt de sessie voor deze map op elk moment hervatten</translation>
    </message>
    <message id="text-972">
        <source>Erase all provided descriptions in the free text element. (Caution: step is irreversable!)</source>
        <translation>Alle ingevoerde beschrijvingen in het vrije-tekstelement wissen. (Let op: dit kan niet ongedaan worden gemaakt!)</translation>
    </message>
    <message id="text-973">
        <source>Copy the current title to free text of all selected pictures</source>
        <translation>De huidige titel naar de vrije tekst van alle geselecteerde foto's kopiëren</translation>
    </message>
    <message id="text-974">
        <source>Trim leading/trailing strings from free text of all selected pictures (Caution: step is irreversable!)</source>
        <translation>Tekens aan begin/eind van de vrije tekst van alle geselecteerde foto's wegknippen (Let op: dit kan niet ongedaan worden gemaakt!)</translation>
    </message>
    <message id="text-975">
        <source>Define a Prefix to be added to all new titles</source>
        <translation>Een voorvoegsel opgeven dat aan alle nieuwe titels wordt toegevoegd</translation>
    </message>
    <message id="text-976">
        <source>Save the elements settings and Final stage settings for future sessions of other folders</source>
        <translation>Instellingen van de elementen en de laatste fase bewaren voor volgende sessies van andere mappen</translation>
    </message>
    <message id="text-977">
        <source>Change the order of elements within the created title. (See Final Stage)</source>
        <translation>De volgorde van de elementen in de nieuwe titel wijzigen. (Zie laatste fase)</translation>
    </message>
    <message id="text-978">
        <source>Add a sequence number to the new picture title should the picture title already exists</source>
        <translation>Een volgnummer aan de nieuwe fototitel toevoegen als die titel al bestaat</translation>
    </message>
    <message id="text-979">
        <source>If a voice file is found for a picture to retitle, also rename the voice file</source>
        <translation>Als er bij een te hernoemen foto een spraakbestand wordt gevonden, ook het spraakbestand hernoemen</translation>
    </message>
    <message id="text-980">
        <source>If a file is found with any of the defined extensions, this file will also be renamed</source>
        <translation>Als er een bestand met een van de opgegeven extensies wordt gevonden, wordt dat bestand ook hernoemd</translation>
    </message>
    <message id="text-981">
        <source>Maintain folders that will be checked to qualify picture titles to be unique</source>
        <translation>Mappen beheren die worden gecontroleerd om fototitels als uniek te beschouwen</translation>
    </message>
    <message id="text-982">
        <source>Start making the new picture titles. The result can be previewed in a new window</source>
        <translation>Begin met het maken van de nieuwe fototitels. Het resultaat is te bekijken in een nieuw venster</translation>
    </message>
    <message id="text-983">
        <source>&amp;Select pictures to retitle</source>
        <translation>Te hernoemen foto's &amp;selecteren</translation>
    </message>
    <message id="text-984">
        <source>Setup Picture Storage Man&amp;agement</source>
        <translation>Fotoopslagbeheer &amp;instellen</translation>
    </message>
    <message id="text-985">
        <source>&amp;Toggle string selection mode</source>
        <translation>Selectie&amp;modus wisselen</translation>
    </message>
    <message id="text-986">
        <source>&amp;Maintain selection strings</source>
        <translation>Selectieteksten &amp;beheren</translation>
    </message>
    <message id="text-987">
        <source>&amp;Program Options</source>
        <translation>&amp;Programma-opties</translation>
    </message>
    <message id="text-988">
        <source>&amp;Quit session/Remove workfiles</source>
        <translation>Sessie beëindigen/&amp;werkbestanden wissen</translation>
    </message>
    <message id="text-989">
        <source>&amp;Close Mirelto</source>
        <translation>Mirelto &amp;afsluiten</translation>
    </message>
    <message id="text-990">
        <source>Ma&amp;ke Static Dictionary from...</source>
        <translation>Statisch woordenboek &amp;maken van...</translation>
    </message>
    <message id="text-991">
        <source>Mirelto Clipboard</source>
        <translation>Mirelto-klembord</translation>
    </message>
    <message id="text-992">
        <source>Dictionary On-Line</source>
        <translation>Online woordenboek</translation>
    </message>
    <message id="text-993">
        <source>Folder(s)</source>
        <translation>Map(pen)</translation>
    </message>
    <message id="text-994">
        <source>C&amp;lear Active Dictionary</source>
        <translation>Actief woordenboek &amp;wissen</translation>
    </message>
    <message id="text-995">
        <source>Dictio&amp;nary Options</source>
        <translation>Woordenboek&amp;opties</translation>
    </message>
    <message id="text-996">
        <source>&amp;Find/Replace</source>
        <translation>&amp;Zoeken/vervangen</translation>
    </message>
    <message id="text-997">
        <source>&amp;Prefix</source>
        <translation>&amp;Voorvoegsel</translation>
    </message>
    <message id="text-998">
        <source>&amp;Suffix</source>
        <translation>&amp;Achtervoegsel</translation>
    </message>
    <message id="text-999">
        <source>Save elements settings/Final stage settings for future sessions</source>
        <translation>Instellingen elementen/laatste fase bewaren voor volgende sessies</translation>
    </message>
    <message id="text-1000">
        <source>&amp;Change order of elements within created title</source>
        <translation>&amp;Volgorde van elementen in nieuwe titel wijzigen</translation>
    </message>
    <message id="text-1001">
        <source>Force new picture titles to be uni&amp;que</source>
        <translation>Nieuwe fototitels &amp;uniek maken</translation>
    </message>
    <message id="text-1002">
        <source>&amp;Keep Voice files synchronized</source>
        <translation>&amp;Spraakbestanden synchroon houden</translation>
    </message>
    <message id="text-1003">
        <source>Maintain list of Extensions to be synchronized</source>
        <translation>Lijst met te synchroniseren extensies beheren</translation>
    </message>
    <message id="text-1004">
        <source>Maintain &amp;folder list that will be checked to qualify new picture titles to be unique</source>
        <translation>&amp;Mappenlijst beheren voor controle op unieke nieuwe fototitels</translation>
    </message>
    <message id="text-1005">
        <source>Test and &amp;Preview newly created picture titles</source>
        <translation>&amp;Test en voorbeeld van nieuwe fototitels</translation>
    </message>
    <message id="text-1006">
        <source>&amp;Quick start reference</source>
        <translation>&amp;Snelstartgids</translation>
    </message>
    <message id="text-1007">
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message id="text-1008">
        <source>About Mirelto</source>
        <translation>Over Mirelto</translation>
    </message>
    <message id="text-1009">
        <source>Gives the pictures of a folder new, meaningful titles in three stages.</source>
        <translation>Geeft de foto's in een map in drie fasen nieuwe, betekenisvolle titels.</translation>
    </message>
    <message id="text-1010">
        <source>Dictionary</source>
        <translation>Woordenboek</translation>
    </message>
    <message id="text-1011">
        <source>Picture Prefix/Suffix</source>
        <translation>Voor-/achtervoegsels</translation>
    </message>
    <message id="text-1012">
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message id="text-1013">
        <source>Maximum number of entries the Static dictionay can hold (in thousands):</source>
        <translation>Maximum aantal trefwoorden in het statische woordenboek (in duizendtallen):</translation>
    </message>
    <message id="text-1014">
        <source>Maximum number of results to return from dictionary when editing Free text:</source>
        <translation>Maximum aantal resultaten uit het woordenboek bij het bewerken van vrije tekst:</translation>
    </message>
    <message id="text-1015">
        <source>Lines from the clipboard will be clipped in parts of:</source>
        <translation>Regels van het klembord worden opgeknipt in delen van:</translation>
    </message>
    <message id="text-1016">
        <source>Maximum number of entries in dropdown menu</source>
        <translation>Maximum aantal items in keuzelijst</translation>
    </message>
    <message id="text-1017">
        <source>characters (any number between 30 and 100).</source>
        <translation>tekens (een getal tussen 30 en 100).</translation>
    </message>
    <message id="text-1018">
        <source>Maximum: 100000</source>
        <translation>Maximum: 100000</translation>
    </message>
    <message id="text-1019">
        <source>Activate Guide for every new session</source>
        <translation>Gids activeren bij elke nieuwe sessie</translation>
    </message>
    <message id="text-1020">
        <source>Show all program messages</source>
        <translation>Alle programmaberichten tonen</translation>
    </message>
    <message id="text-1021">
        <source>All messages where you unchecked 'Show message next time', will be shown again next time</source>
        <translation>Alle berichten waarbij u 'Toon dit bericht de volgende keer' hebt uitgevinkt, worden de volgende keer weer getoond</translation>
    </message>
    <message id="text-1022">
        <source>Quick start reference</source>
        <translation>Snelstartgids</translation>
    </message>
    <message id="text-1023">
        <source>Use Picture Storage Mana&amp;gement</source>
        <translation>&amp;Fotoopslagbeheer gebruiken</translation>
    </message>
    <message id="text-1024">
        <source>Only use su&amp;bject</source>
        <translation>&amp;Alleen onderwerp</translation>
    </message>
    <message id="text-1025">
        <source>Organize the selected pictures by subject only; date is irrelevant for these pictures</source>
        <translation>De geselecteerde foto's alleen op onderwerp ordenen; de datum doet er voor deze foto's niet toe</translation>
    </message>
    <message id="text-1026">
        <source>&amp;Theme</source>
        <translation>&amp;Thema</translation>
    </message>
    <message id="text-1027">
        <source>Familiar</source>
        <translation>Vertrouwd</translation>
    </message>
    <message id="text-1028">
        <source>Cosmetics</source>
        <translation>Cosmetica</translation>
    </message>
    <message id="text-1029">
        <source>Headache</source>
        <translation>Hoofdpijn</translation>
    </message>
    <message id="text-1030">
        <source>Chrome</source>
        <translation>Chroom</translation>
    </message>
    <message id="text-1031">
        <source>Ice age</source>
        <translation>IJstijd</translation>
    </message>
    <message id="text-1032">
        <source>Atlantis</source>
        <translation>Atlantis</translation>
    </message>
    <message id="text-1033">
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message id="text-1034">
        <source>Example:</source>
        <translation>Voorbeeld:</translation>
    </message>
    <message id="text-1035">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="text-1036">
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message id="text-1037">
        <source>Add Date element to all new titles</source>
        <translation>Datumelement aan alle nieuwe titels toevoegen</translation>
    </message>
    <message id="text-1038">
        <source>Use picture date taken (EXIF)</source>
        <translation>Opnamedatum (EXIF)</translation>
    </message>
    <message id="text-1039">
        <source>Use file date</source>
        <translation>Bestandsdatum</translation>
    </message>
    <message id="text-1040">
        <source>Pick date from calendar</source>
        <translation>Datum uit kalender</translation>
    </message>
    <message id="text-1041">
        <source>Date format</source>
        <translation>Datumnotatie</translation>
    </message>
    <message id="text-1042">
        <source>Day...</source>
        <translation>Dag...</translation>
    </message>
    <message id="text-1043">
        <source>Pick date</source>
        <translation>Datum kiezen</translation>
    </message>
    <message id="text-1044">
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message id="text-1045">
        <source>&amp;Time</source>
        <translation>&amp;Tijd</translation>
    </message>
    <message id="text-1046">
        <source>Use picture time taken (EXIF)</source>
        <translation>Opnametijd (EXIF)</translation>
    </message>
    <message id="text-1047">
        <source>Use file time</source>
        <translation>Bestandstijd</translation>
    </message>
    <message id="text-1048">
        <source>Pick time</source>
        <translation>Tijd kiezen</translation>
    </message>
    <message id="text-1049">
        <source>Time format</source>
        <translation>Tijdnotatie</translation>
    </message>
    <message id="text-1050">
        <source>Date/Day/Time separator:</source>
        <translation>Scheidingsteken datum/dag/tijd:</translation>
    </message>
    <message id="text-1051">
        <source>Add name of day to date</source>
        <translation>Dagnaam aan datum toevoegen</translation>
    </message>
    <message id="text-1052">
        <source>Add name of day</source>
        <translation>Dagnaam toevoegen</translation>
    </message>
    <message id="text-1053">
        <source>Abbreviate name of day</source>
        <translation>Dagnaam afkorten</translation>
    </message>
    <message id="text-1054">
        <source>Placement</source>
        <translation>Plaatsing</translation>
    </message>
    <message id="text-1055">
        <source>Right of date</source>
        <translation>Rechts van datum</translation>
    </message>
    <message id="text-1056">
        <source>Left of date</source>
        <translation>Links van datum</translation>
    </message>
    <message id="text-1057">
        <source>Exif tags</source>
        <translation>Exif-tags</translation>
    </message>
    <message id="text-1058">
        <source>Error in GetElementIndex</source>
        <translation>Fout in GetElementIndex</translation>
    </message>
    <message id="text-1059">
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message id="text-1060">
        <source>Hyphen '-'</source>
        <translation>Streepje '-'</translation>
    </message>
    <message id="text-1061">
        <source>Underscore '_'</source>
        <translation>Laag streepje '_'</translation>
    </message>
    <message id="text-1062">
        <source>No separator</source>
        <translation>Geen scheiding</translation>
    </message>
    <message id="text-1063">
        <source>Add Exif tags element to all new titles</source>
        <translation>Element Exif-tags aan alle nieuwe titels toevoegen</translation>
    </message>
    <message id="text-1064">
        <source>Select Exif tags</source>
        <translation>Exif-tags selecteren</translation>
    </message>
    <message id="text-1065">
        <source>&amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message id="text-1066">
        <source>&amp;Down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message id="text-1067">
        <source>&amp;Move selected tags to top of list</source>
        <translation>Geselecteerde tags &amp;bovenaan zetten</translation>
    </message>
    <message id="text-1068">
        <source>Rebuild Exif tag database</source>
        <translation>Exif-database opnieuw opbouwen</translation>
    </message>
    <message id="text-1069">
        <source>Exif tags in title</source>
        <translation>Exif-tags in titel</translation>
    </message>
    <message id="text-1070">
        <source>If tag not found, mark as 'not available' in title </source>
        <translation>Als tag ontbreekt, in titel markeren als 'niet beschikbaar' </translation>
    </message>
    <message id="text-1071">
        <source>'not available' will be abbreviated to 'na'</source>
        <translation>'niet beschikbaar' wordt afgekort tot 'nb'</translation>
    </message>
    <message id="text-1072">
        <source>Edit tag description</source>
        <translation>Tagbeschrijving bewerken</translation>
    </message>
    <message id="text-1073">
        <source>Tag description as it will appear in picture title:</source>
        <translation>Tagbeschrijving zoals die in de fototitel verschijnt:</translation>
    </message>
    <message id="text-1074">
        <source>Order</source>
        <translation>Volgorde</translation>
    </message>
    <message id="text-1075">
        <source>Sel</source>
        <translation>Sel</translation>
    </message>
    <message id="text-1076">
        <source>Tag nbr.</source>
        <translation>Tagnr.</translation>
    </message>
    <message id="text-1077">
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message id="text-1078">
        <source>Tag in title (click to edit)</source>
        <translation>Tag in titel (klik om te bewerken)</translation>
    </message>
    <message id="text-1079">
        <source>Value (examples of entire picture set)</source>
        <translation>Waarde (voorbeelden uit alle foto's)</translation>
    </message>
    <message id="text-1080">
        <source>Value (example of current picture)</source>
        <translation>Waarde (voorbeeld van huidige foto)</translation>
    </message>
    <message id="text-1081">
        <source>Extract from Current title</source>
        <translation>Uit huidige titel halen</translation>
    </message>
    <message id="text-1082">
        <source>&amp;Extract from Current title</source>
        <translation>&amp;Uit huidige titel halen</translation>
    </message>
    <message id="text-1083">
        <source>Inspect title from:</source>
        <translation>Titel doorzoeken van:</translation>
    </message>
    <message id="text-1084">
        <source>Left to right</source>
        <translation>Links naar rechts</translation>
    </message>
    <message id="text-1085">
        <source>Right to left</source>
        <translation>Rechts naar links</translation>
    </message>
    <message id="text-1086">
        <source>Counter</source>
        <translation>Teller</translation>
    </message>
    <message id="text-1087">
        <source>&amp;Use counter</source>
        <translation>&amp;Teller gebruiken</translation>
    </message>
    <message id="text-1088">
        <source>Start with:</source>
        <translation>Beginnen met:</translation>
    </message>
    <message id="text-1089">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="text-1090">
        <source>Number of digits to make number:</source>
        <translation>Aantal cijfers van het nummer:</translation>
    </message>
    <message id="text-1091">
        <source>&amp;Numbering element</source>
        <translation>&amp;Nummering</translation>
    </message>
    <message id="text-1092">
        <source>Add a numbering element to all new titles</source>
        <translation>Een nummeringselement aan alle nieuwe titels toevoegen</translation>
    </message>
    <message id="text-1093">
        <source>Use prefix</source>
        <translation>Voorvoegsel</translation>
    </message>
    <message id="text-1094">
        <source>Use suffix</source>
        <translation>Achtervoegsel</translation>
    </message>
    <message id="text-1095">
        <source>Order of elements within created title (drag and drop):</source>
        <translation>Volgorde van elementen in nieuwe titel (slepen):</translation>
    </message>
    <message id="text-1096">
        <source>Separator between elements:</source>
        <translation>Scheidingsteken tussen elementen:</translation>
    </message>
    <message id="text-1097">
        <source>Force uniqueness</source>
        <translation>Forceer uniciteit</translation>
    </message>
    <message id="text-1098">
        <source>Keep Voice files synchronized</source>
        <translation>Spraakbestanden synchroon houden</translation>
    </message>
    <message id="text-1099">
        <source>Test &amp;&amp; &amp;Preview</source>
        <translation>&amp;Test &amp;&amp; voorbeeld</translation>
    </message>
    <message id="text-1100">
        <source> NOT succesfully converted</source>
        <translation> NIET met succes geconverteerd</translation>
    </message>
    <message id="text-1101">
        <source> succesfully converted</source>
        <translation> met succes geconverteerd</translation>
    </message>
    <message id="text-1102">
        <source> Building Dictionary from private source : creating contents table..</source>
        <translation> Woordenboek opbouwen uit privébron : inhoudstabel maken..</translation>
    </message>
    <message id="text-1103">
        <source> Building Dictionary from private source : creating index table..</source>
        <translation> Woordenboek opbouwen uit privébron : indextabel maken..</translation>
    </message>
    <message id="text-1104">
        <source> does not exist</source>
        <translation> bestaat niet</translation>
    </message>
    <message id="text-1105">
        <source>Cannot open </source>
        <translation>Fout bij het openen van </translation>
    </message>
    <message id="text-1106">
        <source>Error reading </source>
        <translation>Fout bij het lezen van </translation>
    </message>
    <message id="text-1107">
        <source> could not be created</source>
        <translation> kon niet worden aangemaakt</translation>
    </message>
    <message id="text-1108">
        <source> could not be removed</source>
        <translation> kon niet worden verwijderd</translation>
    </message>
    <message id="text-1109">
        <source> is set to read-only</source>
        <translation> is alleen-lezen</translation>
    </message>
    <message id="text-1110">
        <source> is damaged: its size is not a whole number of records</source>
        <translation> is beschadigd: de grootte is geen geheel aantal records</translation>
    </message>
    <message id="text-1111">
        <source> is a symbolic link, the program does not write through it</source>
        <translation> is een symbolische koppeling, het programma schrijft niet via zo'n koppeling</translation>
    </message>
    <message id="text-1112">
        <source>%1 was damaged: its size was not a whole number of records. Its first %2 whole record(s) were kept; the damaged file was saved as %3</source>
        <translation>%1 was beschadigd: de grootte was geen geheel aantal records. De eerste %2 volledige record(s) zijn behouden; het beschadigde bestand is opgeslagen als %3</translation>
    </message>
    <message id="text-1113">
        <source>Folders (and their subfolders) that will be checked to qualify new picture titles to be unique</source>
        <translation>Mappen (en hun submappen) die worden gecontroleerd om nieuwe fototitels als uniek te beschouwen</translation>
    </message>
    <message id="text-1114">
        <source>&amp;Add folder</source>
        <translation>Map &amp;toevoegen</translation>
    </message>
    <message id="text-1115">
        <source>&amp;Remove selected folders</source>
        <translation>Gekozen mappen &amp;verwijderen</translation>
    </message>
    <message id="text-1116">
        <source>Folder to check for pictures to be unique already defined in list!</source>
        <translation>Deze map staat al in de lijst met te controleren mappen!</translation>
    </message>
    <message id="text-1117">
        <source>This folder cannot be kept in the list: its path is longer than the 255 bytes the list keeps (a character other than an English letter or digit takes two to four of them).</source>
        <translation>Deze map kan niet in de lijst worden opgenomen: het pad is langer dan de 255 bytes die de lijst bewaart (elk teken behalve een letter a-z of cijfer neemt er twee tot vier in beslag).</translation>
    </message>
    <message id="text-1118">
        <source>No errors found</source>
        <translation>Geen fouten gevonden</translation>
    </message>
    <message id="text-1119">
        <source>Type a new extension and press Add</source>
        <translation>Typ een nieuwe extensie en klik op Toevoegen</translation>
    </message>
    <message id="text-1120">
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message id="text-1121">
        <source>&amp;Remove selected extensions</source>
        <translation>Gekozen extensies &amp;verwijderen</translation>
    </message>
    <message id="text-1122">
        <source>Extensions supported by Mirelto are not allowed including the voice file extensions .wav and .mov.</source>
        <translation>Extensies die Mirelto ondersteunt zijn niet toegestaan, ook niet de extensies .wav en .mov van spraakbestanden.</translation>
    </message>
    <message id="text-1123">
        <source>No empty extension is permitted. The extension can not exceed the length of 10 characters.</source>
        <translation>Een lege extensie is niet toegestaan. De extensie mag niet langer zijn dan 10 tekens.</translation>
    </message>
    <message id="text-1124">
        <source>Extension already defined in list!</source>
        <translation>Extensie staat al in de lijst!</translation>
    </message>
    <message id="text-1125">
        <source>Buidling additional folder list to qualify pictures to be unique:</source>
        <translation>Extra mappenlijst opbouwen om foto's als uniek te beschouwen:</translation>
    </message>
    <message id="text-1126">
        <source>Determine folder names:</source>
        <translation>Mapnamen bepalen:</translation>
    </message>
    <message id="text-1127">
        <source>Making pictures titles:</source>
        <translation>Fototitels maken:</translation>
    </message>
    <message id="text-1128">
        <source>Sorting picture titles:</source>
        <translation>Fototitels sorteren:</translation>
    </message>
    <message id="text-1129">
        <source>Checking for duplicate file names:</source>
        <translation>Controleren op dubbele bestandsnamen:</translation>
    </message>
    <message id="text-1130">
        <source>Making new picture titles unique:</source>
        <translation>Nieuwe fototitels uniek maken:</translation>
    </message>
    <message id="text-1131">
        <source>Mirelto: Test and Preview</source>
        <translation>Mirelto: Test en voorbeeld</translation>
    </message>
    <message id="text-1132">
        <source>&amp;Retitle Now</source>
        <translation>&amp;Nu hernoemen</translation>
    </message>
    <message id="text-1133">
        <source>&amp;Edit free text of erroneous titles</source>
        <translation>Vrije tekst van foutieve titels &amp;bewerken</translation>
    </message>
    <message id="text-1134">
        <source>Find and Replace string of characters in free text element of all selected pictures</source>
        <translation>Tekenreeks zoeken en vervangen in het vrije-tekstelement van alle geselecteerde foto's</translation>
    </message>
    <message id="text-1135">
        <source>Edit free te&amp;xt all selected</source>
        <translation>Vrije te&amp;kst alle geselecteerde</translation>
    </message>
    <message id="text-1136">
        <source>&amp;Edit free text for all selected pictures</source>
        <translation>&amp;Vrije tekst bewerken voor alle geselecteerde foto's</translation>
    </message>
    <message id="text-1137">
        <source>Ed&amp;it free text # </source>
        <translation>Vr&amp;ije tekst bewerken # </translation>
    </message>
    <message id="text-1138">
        <source>Quit edit free text - Escape</source>
        <translation>Vrije tekst bewerken stoppen - Esc</translation>
    </message>
    <message id="text-1139">
        <source>&amp;To first empty free text</source>
        <translation>Naar eerste &amp;lege vrije tekst</translation>
    </message>
    <message id="text-1140">
        <source>&amp;Jump to first picture where free text is empty</source>
        <translation>Naar eerste foto met lege vrije tekst &amp;springen</translation>
    </message>
    <message id="text-1141">
        <source>Current title t&amp;o free text</source>
        <translation>H&amp;uidige titel naar vrije tekst</translation>
    </message>
    <message id="text-1142">
        <source>C&amp;opy current title to free text</source>
        <translation>Huidige titel naar vrije tekst &amp;kopiëren</translation>
    </message>
    <message id="text-1143">
        <source>Cut characters from free text...</source>
        <translation>Tekens uit vrije tekst wegknippen...</translation>
    </message>
    <message id="text-1144">
        <source>&amp;Cut characters from free text</source>
        <translation>&amp;Tekens uit vrije tekst wegknippen</translation>
    </message>
    <message id="text-1145">
        <source>Erase free text of all selected pictures</source>
        <translation>Vrije tekst van alle geselecteerde foto's wissen</translation>
    </message>
    <message id="text-1146">
        <source>E&amp;rase free text of all selected pictures</source>
        <translation>Vrije tekst van alle geselecteerde foto's &amp;wissen</translation>
    </message>
    <message id="text-1147">
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message id="text-1148">
        <source>Always s&amp;how thumbnail of current picture</source>
        <translation>&amp;Altijd miniatuur van huidige foto tonen</translation>
    </message>
    <message id="text-1149">
        <source>Also show thumbnail of picture when working in Stage 1</source>
        <translation>Miniatuur van de foto ook tonen tijdens het werken in fase 1</translation>
    </message>
    <message id="text-1150">
        <source>Show picture thumbnail in &amp;full screen</source>
        <translation>Fotominiatuur &amp;schermvullend tonen</translation>
    </message>
    <message id="text-1151">
        <source>Conversion of workfiles failed!
Please remove the workfiles manually and restart Mirelto
This should not have occurred, sorry for the inconvenience!</source>
        <translation>Conversie van de werkbestanden is mislukt!
Verwijder de werkbestanden handmatig en start Mirelto opnieuw
Dit had niet mogen gebeuren, excuses voor het ongemak!</translation>
    </message>
    <message id="text-1152">
        <source> error</source>
        <translation> fout</translation>
    </message>
    <message id="text-1153">
        <source> errors</source>
        <translation> fouten</translation>
    </message>
    <message id="text-1154">
        <source>Number of erroneous titles</source>
        <translation>Aantal foutieve titels</translation>
    </message>
    <message id="text-1155">
        <source>Total number/Number selected pictures</source>
        <translation>Totaal aantal/aantal geselecteerde foto's</translation>
    </message>
    <message id="text-1156">
        <source>1 picture is not listed: its name is not valid UTF-8, so it cannot be retitled</source>
        <translation>1 foto staat niet in de lijst: de naam is geen geldige UTF-8, dus de foto kan niet worden hernoemd</translation>
    </message>
    <message id="text-1157">
        <source>%1 pictures are not listed: their names are not valid UTF-8, so they cannot be retitled</source>
        <translation>%1 foto's staan niet in de lijst: hun naam is geen geldige UTF-8, dus ze kunnen niet worden hernoemd</translation>
    </message>
    <message id="text-1158">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="text-1159">
        <source>Invert</source>
        <translation>Omkeren</translation>
    </message>
    <message id="text-1160">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="text-1161">
        <source>&amp;All pictures in list</source>
        <translation>&amp;Alle foto's in de lijst</translation>
    </message>
    <message id="text-1162">
        <source>&amp;Invert current selection</source>
        <translation>Huidige selectie &amp;omkeren</translation>
    </message>
    <message id="text-1163">
        <source>&amp;None (Deselect all pictures in list)</source>
        <translation>&amp;Geen (alle foto's in de lijst deselecteren)</translation>
    </message>
    <message id="text-1164">
        <source>Current picture title starts with one of the defined strings</source>
        <translation>Huidige fototitel begint met een van de opgegeven selectieteksten</translation>
    </message>
    <message id="text-1165">
        <source>Current picture title contains one of the defined strings</source>
        <translation>Huidige fototitel bevat een van de opgegeven selectieteksten</translation>
    </message>
    <message id="text-1166">
        <source> - Maintain selection strings</source>
        <translation> - Selectieteksten beheren</translation>
    </message>
    <message id="text-1167">
        <source>Selection string already exists!</source>
        <translation>Selectietekst bestaat al!</translation>
    </message>
    <message id="text-1168">
        <source>Stage 1 - Select pictures to retitle</source>
        <translation>Fase 1 - Foto's selecteren om te hernoemen</translation>
    </message>
    <message id="text-1169">
        <source>Stage 2 - Edit free text per picture</source>
        <translation>Fase 2 - Vrije tekst per foto bewerken</translation>
    </message>
    <message id="text-1170">
        <source>Stage 3 - Add title elements</source>
        <translation>Fase 3 - Titelelementen toevoegen</translation>
    </message>
    <message id="text-1171">
        <source>Final stage</source>
        <translation>Laatste fase</translation>
    </message>
    <message id="text-1172">
        <source>Stop playing</source>
        <translation>Afspelen stoppen</translation>
    </message>
    <message id="text-1173">
        <source>Add description to folders that are to be created</source>
        <translation>Beschrijving toevoegen aan mappen die worden aangemaakt</translation>
    </message>
    <message id="text-1174">
        <source>&amp;Enter</source>
        <translation>&amp;Bevestigen</translation>
    </message>
    <message id="text-1175">
        <source>&amp;Import Top 5 of used words</source>
        <translation>&amp;Importeer top 5 woorden</translation>
    </message>
    <message id="text-1176">
        <source>Import &amp;Top 5 of used words for all new folders</source>
        <translation>Importeer &amp;top 5 woorden voor alle nieuwe mappen</translation>
    </message>
    <message id="text-1177">
        <source>Over&amp;write existing descriptions</source>
        <translation>Bestaande beschrijvingen &amp;overschrijven</translation>
    </message>
    <message id="text-1178">
        <source>Filter digits</source>
        <translation>Cijfers filteren</translation>
    </message>
    <message id="text-1179">
        <source>Filter digits and special characters</source>
        <translation>Cijfers en speciale tekens filteren</translation>
    </message>
    <message id="text-1180">
        <source>&amp;Minimum length of words</source>
        <translation>&amp;Minimale woordlengte</translation>
    </message>
    <message id="text-1181">
        <source>Previous picture - Cursor left</source>
        <translation>Vorige foto - Pijl links</translation>
    </message>
    <message id="text-1182">
        <source>Next picture - Cursor right</source>
        <translation>Volgende foto - Pijl rechts</translation>
    </message>
    <message id="text-1183">
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message id="text-1184">
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message id="text-1185">
        <source>Path of new folder</source>
        <translation>Pad van nieuwe map</translation>
    </message>
    <message id="text-1186">
        <source>File does not exist</source>
        <translation>Bestand bestaat niet</translation>
    </message>
    <message id="text-1187">
        <source>Can not show picture</source>
        <translation>Kan foto niet tonen</translation>
    </message>
    <message id="text-1188">
        <source>Illegal call of CreateFolderName, scheme is empty</source>
        <translation>Ongeldige aanroep van CreateFolderName, schema is leeg</translation>
    </message>
    <message id="text-1189">
        <source>Create &amp;group folder for a period of days</source>
        <translation>&amp;Groepsmap maken voor een periode van dagen</translation>
    </message>
    <message id="text-1190">
        <source>Create group folder for a period of days</source>
        <translation>Groepsmap maken voor een periode van dagen</translation>
    </message>
    <message id="text-1191">
        <source>&amp;Show folder structure</source>
        <translation>Mapstructuur &amp;tonen</translation>
    </message>
    <message id="text-1192">
        <source>&amp;Create folder structure</source>
        <translation>Mapstructuur &amp;aanmaken</translation>
    </message>
    <message id="text-1193">
        <source>&amp;Undo folder creation</source>
        <translation>Aanmaken &amp;ongedaan maken</translation>
    </message>
    <message id="text-1194">
        <source>Number of days in this period: </source>
        <translation>Aantal dagen in deze periode: </translation>
    </message>
    <message id="text-1195">
        <source>&amp;Folder description (optional):</source>
        <translation>&amp;Mapbeschrijving (optioneel):</translation>
    </message>
    <message id="text-1196">
        <source>F&amp;irst date:</source>
        <translation>&amp;Eerste datum:</translation>
    </message>
    <message id="text-1197">
        <source>&amp;Last date:</source>
        <translation>&amp;Laatste datum:</translation>
    </message>
    <message id="text-1198">
        <source>Folder structure:</source>
        <translation>Mapstructuur:</translation>
    </message>
    <message id="text-1199">
        <source>exists</source>
        <translation>bestaat</translation>
    </message>
    <message id="text-1200">
        <source>to be created</source>
        <translation>wordt aangemaakt</translation>
    </message>
    <message id="text-1201">
        <source>Su&amp;ggest periods</source>
        <translation>Periodes &amp;voorstellen</translation>
    </message>
    <message id="text-1202">
        <source>A pause of more than these &amp;hours ends a period:</source>
        <translation>Een pauze van meer dan dit aantal &amp;uur beëindigt een periode:</translation>
    </message>
    <message id="text-1203">
        <source>Suggested pe&amp;riods (from the date taken of the selected pictures):</source>
        <translation>Voorgestelde pe&amp;riodes (volgens de opnamedatum van de geselecteerde foto's):</translation>
    </message>
    <message id="text-1204">
        <source>%1 days, %2 pictures</source>
        <translation>%1 dagen, %2 foto's</translation>
    </message>
    <message id="text-1205">
        <source>Picture Storage Management is set to:</source>
        <translation>Fotoopslagbeheer is ingesteld op:</translation>
    </message>
    <message id="text-1206">
        <source> (Subject is optional)</source>
        <translation> (onderwerp is optioneel)</translation>
    </message>
    <message id="text-1207">
        <source>Su&amp;bject:</source>
        <translation>Onder&amp;werp:</translation>
    </message>
    <message id="text-1208">
        <source> (optional)</source>
        <translation> (optioneel)</translation>
    </message>
    <message id="text-1209">
        <source>Cl&amp;ose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="text-1210">
        <source>Building folder list for Picture Storage Management:</source>
        <translation>Mappenlijst voor Fotoopslagbeheer wordt opgebouwd:</translation>
    </message>
    <message id="text-1211">
        <source>This should not occur, procedure BuildDateTakenFolderList should not have been called</source>
        <translation>Dit hoort niet te gebeuren, procedure BuildDateTakenFolderList had niet aangeroepen mogen worden</translation>
    </message>
    <message id="text-1212">
        <source>This should not occur, BuildDateTaken </source>
        <translation>Dit hoort niet te gebeuren, BuildDateTaken </translation>
    </message>
    <message id="text-1213">
        <source>Picture Storage Management is not active</source>
        <translation>Fotoopslagbeheer is niet actief</translation>
    </message>
    <message id="text-1214">
        <source>Picture Storage Management: Defined scheme is illegal</source>
        <translation>Fotoopslagbeheer: het ingestelde schema is ongeldig</translation>
    </message>
    <message id="text-1215">
        <source>Year/Date taken</source>
        <translation>Jaar/Opnamedatum</translation>
    </message>
    <message id="text-1216">
        <source>Year/Month/Date taken</source>
        <translation>Jaar/Maand/Opnamedatum</translation>
    </message>
    <message id="text-1217">
        <source>Setup Picture Storage Management</source>
        <translation>Fotoopslagbeheer instellen</translation>
    </message>
    <message id="text-1218">
        <source>Select Main Picture Storage Folder</source>
        <translation>Hoofdmap voor fotoopslag selecteren</translation>
    </message>
    <message id="text-1219">
        <source>&amp;Select Folder</source>
        <translation>Map &amp;selecteren</translation>
    </message>
    <message id="text-1220">
        <source>Select a folder as your main picture storage folder</source>
        <translation>Selecteer een map als hoofdmap voor fotoopslag</translation>
    </message>
    <message id="text-1221">
        <source>Selected folder: </source>
        <translation>Geselecteerde map: </translation>
    </message>
    <message id="text-1222">
        <source>Date Taken</source>
        <translation>Opnamedatum</translation>
    </message>
    <message id="text-1223">
        <source>Year/Date Taken</source>
        <translation>Jaar/Opnamedatum</translation>
    </message>
    <message id="text-1224">
        <source>Year/Month/Date Taken</source>
        <translation>Jaar/Maand/Opnamedatum</translation>
    </message>
    <message id="text-1225">
        <source>Do you prefer to organize your pictures per subject?</source>
        <translation>Wilt u uw foto's liever per onderwerp ordenen?</translation>
    </message>
    <message id="text-1226">
        <source>Assigning a subject is optional, leave unchecked when you'll assign a subject to every picture</source>
        <translation>Een onderwerp toekennen is optioneel; laat dit uitgevinkt als u elke foto een onderwerp geeft</translation>
    </message>
    <message id="text-1227">
        <source>Show warning if pictures are not assigned a subject</source>
        <translation>Waarschuwen als foto's geen onderwerp hebben</translation>
    </message>
    <message id="text-1228">
        <source>Pictures that have no subject assigned are organized following the scheme: </source>
        <translation>Foto's zonder onderwerp worden geordend volgens het schema: </translation>
    </message>
    <message id="text-1229">
        <source>&lt;Main folder&gt;</source>
        <translation>&lt;Hoofdmap&gt;</translation>
    </message>
    <message id="text-1230">
        <source>Add name of the day to 'Date taken' folder</source>
        <translation>Naam van de dag aan map 'Opnamedatum' toevoegen</translation>
    </message>
    <message id="text-1231">
        <source>Abbreviate name of the day</source>
        <translation>Naam van de dag afkorten</translation>
    </message>
    <message id="text-1232">
        <source>Upon creation of a 'Date taken' folder, prompt me to add a description</source>
        <translation>Bij het aanmaken van een map 'Opnamedatum' om een beschrijving vragen</translation>
    </message>
    <message id="text-1233">
        <source>Shift of midnight in hours (pictures taken before it count for the day before):</source>
        <translation>Verschuiving van middernacht in uren (eerder gemaakte foto's tellen voor de vorige dag):</translation>
    </message>
    <message id="text-1234">
        <source>' to all selected pictures</source>
        <translation>' toekennen aan alle geselecteerde foto's</translation>
    </message>
    <message id="text-1235">
        <source>S&amp;ubject to all selected</source>
        <translation>Onderwerp toe&amp;kennen</translation>
    </message>
    <message id="text-1236">
        <source>Erase subject of all selected pictures (Caution: step is irreversable!)</source>
        <translation>Onderwerp van alle geselecteerde foto's wissen (Let op: kan niet ongedaan worden gemaakt!)</translation>
    </message>
    <message id="text-1237">
        <source>&amp;New/Edit</source>
        <translation>Nieuw/&amp;bewerken</translation>
    </message>
    <message id="text-1238">
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message id="text-1239">
        <source>&amp;Subjects</source>
        <translation>&amp;Onderwerpen</translation>
    </message>
    <message id="text-1240">
        <source>Add new subject(s), Edit subjects</source>
        <translation>Nieuwe onderwerp(en) toevoegen, onderwerpen bewerken</translation>
    </message>
    <message id="text-1241">
        <source>Add new subject(s) - Note: While you are working in Stage2, subjects can not be edited or removed.</source>
        <translation>Nieuwe onderwerp(en) toevoegen - Let op: zolang u in fase 2 werkt, kunnen onderwerpen niet worden bewerkt of verwijderd.</translation>
    </message>
    <message id="text-1242">
        <source>Assign subject to selected pictures</source>
        <translation>Onderwerp toekennen aan geselecteerde foto's</translation>
    </message>
    <message id="text-1243">
        <source>Erase subject of all selected pictures</source>
        <translation>Onderwerp van alle geselecteerde foto's wissen</translation>
    </message>
    <message id="text-1244">
        <source>Maintenance subjects</source>
        <translation>Onderwerpen beheren</translation>
    </message>
    <message id="text-1245">
        <source>The only picture to rename, already has been assigned a different subject. </source>
        <translation>De enige te hernoemen foto heeft al een ander onderwerp. </translation>
    </message>
    <message id="text-1246">
        <source> already have been assigned a different subject. </source>
        <translation> daarvan hebben al een ander onderwerp. </translation>
    </message>
    <message id="text-1247">
        <source>Maintenance Subjects</source>
        <translation>Onderwerpen beheren</translation>
    </message>
    <message id="text-1248">
        <source>' is in use in the current session!</source>
        <translation>' wordt in de huidige sessie gebruikt!</translation>
    </message>
    <message id="text-1249">
        <source>Show where the picture was taken on the map</source>
        <translation>Op de kaart tonen waar de foto is gemaakt</translation>
    </message>
    <message id="text-1250">
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="text-1251">
        <source>Type a new string and press Add</source>
        <translation>Typ een nieuwe tekst en druk op Toevoegen</translation>
    </message>
    <message id="text-1252">
        <source>&amp;Remove selected strings</source>
        <translation>Geselecteerde teksten &amp;verwijderen</translation>
    </message>
    <message id="text-1253">
        <source>Make changes permanent</source>
        <translation>Wijzigingen definitief maken</translation>
    </message>
    <message id="text-1254">
        <source>Prefix:</source>
        <translation>Voorvoegsel:</translation>
    </message>
    <message id="text-1255">
        <source>Suffix:</source>
        <translation>Achtervoegsel:</translation>
    </message>
    <message id="text-1256">
        <source>Import from edit area</source>
        <translation>Overnemen uit invoerveld</translation>
    </message>
    <message id="text-1257">
        <source>Delete item</source>
        <translation>Item verwijderen</translation>
    </message>
    <message id="text-1258">
        <source>Delete item from drop down list</source>
        <translation>Item uit de keuzelijst verwijderen</translation>
    </message>
    <message id="text-1259">
        <source>Clear all items</source>
        <translation>Alle items verwijderen</translation>
    </message>
    <message id="text-1260">
        <source>Clear all items from drop down list</source>
        <translation>Alle items uit de keuzelijst verwijderen</translation>
    </message>
    <message id="text-1261">
        <source>&amp;Previous</source>
        <translation>V&amp;orige</translation>
    </message>
    <message id="text-1262">
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message id="text-1263">
        <source>&amp;Finish</source>
        <translation>Vol&amp;tooien</translation>
    </message>
    <message id="text-1264">
        <source>&amp;Edit subject</source>
        <translation>Onderwerp &amp;bewerken</translation>
    </message>
    <message id="text-1265">
        <source>&amp;Remove subject</source>
        <translation>Onderwerp &amp;verwijderen</translation>
    </message>
    <message id="text-1266">
        <source>Co&amp;py subject into edit area</source>
        <translation>Onderwerp naar &amp;invoerveld kopiëren</translation>
    </message>
    <message id="text-1267">
        <source>&amp;Get subject from source folder</source>
        <translation>Onderwerp &amp;uit bronmap halen</translation>
    </message>
    <message id="text-1268">
        <source>Language/Taal interface</source>
        <translation>Language/Taal interface</translation>
    </message>
    <message id="text-1269">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="text-1270">
        <source>Dutch (Nederlands)</source>
        <translation>Dutch (Nederlands)</translation>
    </message>
    <message id="text-1271">
        <source>Starts with / contains</source>
        <translation>Begint met / bevat</translation>
    </message>
    <message id="text-1272">
        <source>quickstart.html</source>
        <translation>quickstart_nl.html</translation>
    </message>
    <message id="text-1273">
        <source>1 folder could not be read</source>
        <translation>1 map kon niet worden gelezen</translation>
    </message>
    <message id="text-1274">
        <source>Picture prefix could not be removed!</source>
        <translation>Fotovoorvoegsel kon niet worden verwijderd!</translation>
    </message>
    <message id="text-1275">
        <source>Picture Suffix could not be removed!</source>
        <translation>Fotoachtervoegsel kon niet worden verwijderd!</translation>
    </message>
    <message id="text-1276">
        <source>Please assign a subject to every selected picture.</source>
        <translation>Ken aan elke geselecteerde foto een onderwerp toe.</translation>
    </message>
    <message id="text-1277">
        <source>Continue anyway?</source>
        <translation>Toch doorgaan?</translation>
    </message>
    <message id="text-1278">
        <source>Picture %1</source>
        <translation>Foto %1</translation>
    </message>
    <message id="text-1279">
        <source> &lt;Description&gt;</source>
        <translation> &lt;Omschrijving&gt;</translation>
    </message>
    <message id="text-1280">
        <source>&lt;Subject %1&gt;</source>
        <translation>&lt;Onderwerp %1&gt;</translation>
    </message>
    <message id="text-1281">
        <source>Put the pictures of the last retitling of this folder back under their old names</source>
        <translation>Zet de foto's van de laatste hernoeming van deze map terug onder hun oude namen</translation>
    </message>
    <message id="text-1282">
        <source>&amp;Undo last retitling</source>
        <translation>Laatste hernoeming &amp;ongedaan maken</translation>
    </message>
    <message id="text-1283">
        <source>changed since the retitling</source>
        <translation>gewijzigd sinds de hernoeming</translation>
    </message>
    <message id="text-1284">
        <source>no longer under its new name</source>
        <translation>niet meer onder de nieuwe naam</translation>
    </message>
    <message id="text-1285">
        <source>its old name is taken by another file</source>
        <translation>de oude naam is in gebruik door een ander bestand</translation>
    </message>
    <message id="text-1286">
        <source>not found in the trash</source>
        <translation>niet gevonden in de prullenbak</translation>
    </message>
    <message id="text-1287">
        <source>stays with its picture</source>
        <translation>blijft bij de foto</translation>
    </message>
    <message id="text-1288">
        <source>Undo the retitling of %1</source>
        <translation>Hernoeming van %1 ongedaan maken</translation>
    </message>
    <message id="text-1289">
        <source> picture(s) will be put back under their old names</source>
        <translation> foto('s) worden teruggezet onder hun oude namen</translation>
    </message>
    <message id="text-1290">
        <source> file(s) going with them</source>
        <translation> bestand(en) gaan mee</translation>
    </message>
    <message id="text-1291">
        <source> file(s) will come back from the trash</source>
        <translation> bestand(en) komen terug uit de prullenbak</translation>
    </message>
    <message id="text-1292">
        <source> folder(s) the retitling created will be removed when empty</source>
        <translation> map(pen) die de hernoeming maakte worden verwijderd als ze leeg zijn</translation>
    </message>
    <message id="text-1293">
        <source> picture(s) stay where they are, see below</source>
        <translation> foto('s) blijven waar ze zijn, zie hieronder</translation>
    </message>
    <message id="text-1294">
        <source>This retitling was interrupted: only what it did is put back</source>
        <translation>Deze hernoeming werd onderbroken: alleen wat ze deed wordt teruggezet</translation>
    </message>
    <message id="text-1295">
        <source>the trash</source>
        <translation>de prullenbak</translation>
    </message>
    <message id="text-1296">
        <source> picture(s) put back under their old names</source>
        <translation> foto('s) teruggezet onder hun oude namen</translation>
    </message>
    <message id="text-1297">
        <source> file(s) left where they are</source>
        <translation> bestand(en) gebleven waar ze zijn</translation>
    </message>
    <message id="text-1298">
        <source>A retitling of this folder was interrupted</source>
        <translation>Een hernoeming van deze map werd onderbroken</translation>
    </message>
    <message id="text-1299">
        <source>It started on %1 and had moved %2 file(s) when it stopped.</source>
        <translation>Ze begon op %1 en had %2 bestand(en) verplaatst toen ze stopte.</translation>
    </message>
    <message id="text-1300">
        <source>Complete: keep the files that were renamed and moved as they are and mark the retitling finished. Run Test &amp; Preview again for the pictures still to retitle.</source>
        <translation>Voltooien: laat de hernoemde en verplaatste bestanden zoals ze zijn en markeer de hernoeming als voltooid. Start Test &amp; voorbeeld opnieuw voor de foto's die nog hernoemd moeten worden.</translation>
    </message>
    <message id="text-1301">
        <source>Undo: put every file back under its old name and in its old folder.</source>
        <translation>Ongedaan maken: zet elk bestand terug onder zijn oude naam en in zijn oude map.</translation>
    </message>
    <message id="text-1302">
        <source>&amp;Complete</source>
        <translation>&amp;Voltooien</translation>
    </message>
    <message id="text-1303">
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message id="text-1304">
        <source>: Undo last retitling</source>
        <translation>: Laatste hernoeming ongedaan maken</translation>
    </message>
    <message id="text-1305">
        <source> (undo: Retitle menu)</source>
        <translation> (ongedaan maken: menu Hernoemen)</translation>
    </message>
    <message id="text-1306">
        <source>Retitle the pictures again as the retitling that was undone last did</source>
        <translation>Hernoem de foto's opnieuw zoals de laatst ongedaan gemaakte hernoeming deed</translation>
    </message>
    <message id="text-1307">
        <source>&amp;Redo the undone retitling</source>
        <translation>Ongedaan gemaakte &amp;hernoeming opnieuw uitvoeren</translation>
    </message>
    <message id="text-1308">
        <source>Undo the undo of %1</source>
        <translation>Ongedaan maken van het ongedaan maken van %1</translation>
    </message>
    <message id="text-1309">
        <source>File types</source>
        <translation>Bestandstypen</translation>
    </message>
    <message id="text-1310">
        <source>Listed in the picture table</source>
        <translation>Opgenomen in de fototabel</translation>
    </message>
    <message id="text-1311">
        <source>Pictures (JPEG, PNG, TIFF, GIF, BMP, icons and metafiles)</source>
        <translation>Foto's (JPEG, PNG, TIFF, GIF, BMP, pictogrammen en metabestanden)</translation>
    </message>
    <message id="text-1312">
        <source>HEIF, AVIF, WebP</source>
        <translation>HEIF, AVIF, WebP</translation>
    </message>
    <message id="text-1313">
        <source>Camera RAW</source>
        <translation>Camera-RAW</translation>
    </message>
    <message id="text-1314">
        <source>Videos</source>
        <translation>Video's</translation>
    </message>
    <message id="text-1315">
        <source>A RAW file or a video follows the picture of the same name</source>
        <translation>Een RAW-bestand of video volgt de foto met dezelfde naam</translation>
    </message>
    <message id="text-1316">
        <source>IMG_1.CR2 beside IMG_1.JPG, or IMG_1.MOV beside IMG_1.HEIC, is retitled with its picture instead of being listed on its own</source>
        <translation>IMG_1.CR2 naast IMG_1.JPG, of IMG_1.MOV naast IMG_1.HEIC, krijgt een nieuwe titel met zijn foto in plaats van apart te worden opgenomen</translation>
    </message>
    <message id="text-1317">
        <source>What's new in Mirelto</source>
        <translation>Nieuw in Mirelto</translation>
    </message>
    <message id="text-1318">
        <source>Mirelto help</source>
        <translation>Mirelto help</translation>
    </message>
    <message id="text-1319">
        <source>Mirelto credits</source>
        <translation>Mirelto dankwoord</translation>
    </message>
    <message id="text-1320">
        <source>&amp;Guide</source>
        <translation>&amp;Gids</translation>
    </message>
    <message id="text-1321">
        <source>&amp;What's new?</source>
        <translation>&amp;Wat is er nieuw?</translation>
    </message>
    <message id="text-1322">
        <source>Help &amp;contents</source>
        <translation>Help-&amp;inhoud</translation>
    </message>
    <message id="text-1323">
        <source>C&amp;redits</source>
        <translation>&amp;Dankwoord</translation>
    </message>
    <message id="text-1324">
        <source>Built with Qt </source>
        <translation>Gebouwd met Qt </translation>
    </message>
    <message id="text-1325">
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Licentie: GNU General Public License, versie 3 of later</translation>
    </message>
    <message id="text-1326">
        <source>Work files: </source>
        <translation>Werkbestanden: </translation>
    </message>
    <message id="text-1327">
        <source>Mirelto 4.0 comes with new editing features which are explained in the window on the left</source>
        <translation>Mirelto 4.0 heeft nieuwe bewerkingsfuncties die in het venster links worden uitgelegd</translation>
    </message>
    <message id="text-1328">
        <source>Mirelto 4.0 comes with new editing features which are explained in the window over the picture</source>
        <translation>Mirelto 4.0 heeft nieuwe bewerkingsfuncties die in het venster over de foto worden uitgelegd</translation>
    </message>
    <message id="text-1329">
        <source>Mirelto 4.0 comes with new editing features which are explained in the window below the picture list</source>
        <translation>Mirelto 4.0 heeft nieuwe bewerkingsfuncties die in het venster onder de fotolijst worden uitgelegd</translation>
    </message>
    <message id="text-1330">
        <source>Not a folder</source>
        <translation>Geen map</translation>
    </message>
    <message id="text-1331">
        <source>Not a folder of this computer</source>
        <translation>Geen map van deze computer</translation>
    </message>
    <message id="text-1332">
        <source>The folder is on an optical disc</source>
        <translation>De map staat op een optische schijf</translation>
    </message>
    <message id="text-1333">
        <source>The folder is read-only</source>
        <translation>De map is alleen-lezen</translation>
    </message>
    <message id="text-1334">
        <source>Too little free space: </source>
        <translation>Te weinig vrije ruimte: </translation>
    </message>
    <message id="text-1335">
        <source> MB free, at least </source>
        <translation> MB vrij, minstens </translation>
    </message>
    <message id="text-1336">
        <source> MB needed</source>
        <translation> MB nodig</translation>
    </message>
    <message id="text-1337">
        <source>There is no retitling of this folder to undo.</source>
        <translation>Er is geen hernoeming van deze map om ongedaan te maken.</translation>
    </message>
    <message id="text-1338">
        <source>The journal %1 cannot be read.</source>
        <translation>Het journaal %1 kan niet worden gelezen.</translation>
    </message>
    <message id="text-1339">
        <source>Mirelto needs a graphical display, and none is available here (try mirelto --help for the commands that work without one).</source>
        <translation>Mirelto heeft een grafisch scherm nodig, en hier is er geen (mirelto --help toont de opdrachten die zonder scherm werken).</translation>
    </message>
    <message id="text-1340">
        <source>Folder: %1</source>
        <translation>Map: %1</translation>
    </message>
    <message id="text-1341">
        <source>The commands below work without a window, on what the folder's work files hold: its selection, free texts, title elements and storage settings.</source>
        <translation>De opdrachten hieronder werken zonder venster, met wat de werkbestanden van de map bevatten: de selectie, vrije teksten, titelelementen en opslaginstellingen.</translation>
    </message>
    <message id="text-1360">
        <source>A free text can hold at most 255 bytes (a character other than an English letter or digit takes two to four of them).</source>
        <translation>Een vrije tekst kan hoogstens 255 bytes bevatten (een ander teken dan een Engelse letter of cijfer neemt er twee tot vier in beslag).</translation>
    </message>
    <message id="text-1361">
        <source>The replacement would make the free text of these pictures too long; it was not made there:</source>
        <translation>De vervanging zou de vrije tekst van deze foto's te lang maken; daar is niet vervangen:</translation>
    </message>
    <message id="text-1362">
        <source>The free text of picture %1 is too long: shorten it.</source>
        <translation>De vrije tekst van foto %1 is te lang: maak hem korter.</translation>
    </message>
    <message id="text-1720">
        <source>The dictionary build was cancelled: the Static dictionary and its files are as they were before.</source>
        <translation>Het opbouwen van het woordenboek is geannuleerd: het statische woordenboek en zijn bestanden zijn zoals ze waren.</translation>
    </message>
    <message id="text-1721">
        <source> is a symbolic link: pictures are never moved through a link in the main picture storage folder</source>
        <translation> is een symbolische koppeling: foto's worden nooit via een koppeling in de hoofdmap voor fotoopslag verplaatst</translation>
    </message>
    <message id="text-1722">
        <source>The main picture storage folder </source>
        <translation>De hoofdmap voor fotoopslag </translation>
    </message>
    <message id="text-1723">
        <source> is no longer the folder Test &amp; Preview planned in: it was removed, replaced, or its disk is no longer mounted.</source>
        <translation> is niet meer de map waarin Test &amp; voorbeeld heeft gepland: ze is verwijderd, vervangen, of haar schijf is niet meer gekoppeld.</translation>
    </message>
    <message id="text-1724">
        <source>Nothing has been renamed or moved. Check the folder and press 'Test/Preview' again.</source>
        <translation>Er is niets hernoemd of verplaatst. Controleer de map en druk opnieuw op 'Test/Preview'.</translation>
    </message>
    <message id="text-1725">
        <source>The destination folder lies behind a symbolic link in the main picture storage folder; pictures are never moved through a link</source>
        <translation>De doelmap ligt achter een symbolische koppeling in de hoofdmap voor fotoopslag; foto's worden nooit via een koppeling verplaatst</translation>
    </message>
    <message id="text-1726">
        <source> (link: </source>
        <translation> (koppeling: </translation>
    </message>
    <message id="text-1727">
        <source>The last retitling moved every picture out of this folder</source>
        <translation>De laatste hernoeming heeft alle foto's uit deze map verplaatst</translation>
    </message>
    <message id="text-1728">
        <source>'%1' is a file, not a folder, program terminated</source>
        <translation>'%1' is een bestand, geen map, programma beëindigd</translation>
    </message>
    <message id="text-1729">
        <source>%1 folders could not be read</source>
        <translation>%1 mappen konden niet worden gelezen</translation>
    </message>
    <message id="text-1730">
        <source>Adjust camera clocks</source>
        <translation>Cameraklokken aanpassen</translation>
    </message>
    <message id="text-1731">
        <source>Undo: put the pictures back under their old names and in this folder.</source>
        <translation>Ongedaan maken: zet de foto's terug onder hun oude namen en in deze map.</translation>
    </message>
    <message id="text-1732">
        <source>closed</source>
        <translation>gesloten</translation>
    </message>
    <message id="text-1733">
        <source> - Done !</source>
        <translation> - Klaar !</translation>
    </message>
    <message id="text-1734">
        <source>Adjust camera c&amp;locks...</source>
        <translation>Camerak&amp;lokken aanpassen...</translation>
    </message>
    <message id="text-1735">
        <source>Question: %1 Answered: %2</source>
        <translation>Vraag: %1 Antwoord: %2</translation>
    </message>
    <message id="text-1736">
        <source> - Done ?</source>
        <translation> - Klaar ?</translation>
    </message>
    <message id="text-1737">
        <source>Camera clocks...</source>
        <translation>Cameraklokken...</translation>
    </message>
    <message id="text-1738">
        <source>lies outside the folders of the retitling</source>
        <translation>ligt buiten de mappen van de hernoeming</translation>
    </message>
    <message id="text-1739">
        <source>Try 'mirelto --help' for the options.</source>
        <translation>Zie 'mirelto --help' voor de opties.</translation>
    </message>
    <message id="text-1740">
        <source>guide.html</source>
        <translation>guide_nl.html</translation>
    </message>
    <message id="text-1741">
        <source>Clock &amp;offset:</source>
        <translation>Klok&amp;afwijking:</translation>
    </message>
    <message id="text-1742">
        <source>This undo was interrupted: only what it put back is retitled again</source>
        <translation>Dit ongedaan maken werd onderbroken: alleen wat het terugzette wordt opnieuw hernoemd</translation>
    </message>
    <message id="text-1743">
        <source>Unknown option '%1'.</source>
        <translation>Onbekende optie '%1'.</translation>
    </message>
    <message id="text-1744">
        <source>whatsnew.html</source>
        <translation>whatsnew_nl.html</translation>
    </message>
    <message id="text-1745">
        <source>&amp;Picture:</source>
        <translation>&amp;Foto:</translation>
    </message>
    <message id="text-1746">
        <source>An undo of a retitling of this folder was interrupted</source>
        <translation>Het ongedaan maken van een hernoeming van deze map werd onderbroken</translation>
    </message>
    <message id="text-1747">
        <source>Only one folder can be given, not %1.</source>
        <translation>Er kan maar één map worden opgegeven, niet %1.</translation>
    </message>
    <message id="text-1748">
        <source>help.html</source>
        <translation>help_nl.html</translation>
    </message>
    <message id="text-1749">
        <source>&amp;Really taken at:</source>
        <translation>&amp;Werkelijk genomen op:</translation>
    </message>
    <message id="text-1750">
        <source>It started on %1 and had put back %2 file(s) when it stopped.</source>
        <translation>Het begon op %1 en had %2 bestand(en) teruggezet toen het stopte.</translation>
    </message>
    <message id="text-1751">
        <source>Give only one of --preview, --retitle and --undo.</source>
        <translation>Geef maar één van --preview, --retitle en --undo.</translation>
    </message>
    <message id="text-1752">
        <source>credits.html</source>
        <translation>credits_nl.html</translation>
    </message>
    <message id="text-1753">
        <source>&amp;Set offset from picture</source>
        <translation>Afwijking &amp;bepalen uit foto</translation>
    </message>
    <message id="text-1754">
        <source>Complete: keep the files where they are now and mark the undo finished. Undo last retitling in the Retitle menu then puts the rest back.</source>
        <translation>Voltooien: laat de bestanden staan waar ze nu zijn en markeer het ongedaan maken als voltooid. Laatste hernoeming ongedaan maken in het menu Hernoemen zet daarna de rest terug.</translation>
    </message>
    <message id="text-1755">
        <source>--json, --add-free-text, --keep-selection and --continue go with --preview, --retitle or --undo.</source>
        <translation>--json, --add-free-text, --keep-selection en --continue horen bij --preview, --retitle of --undo.</translation>
    </message>
    <message id="text-1756">
        <source>Mirelto guide</source>
        <translation>Mirelto gids</translation>
    </message>
    <message id="text-1757">
        <source>Added to the date taken of every picture of the camera, as +h:mm:ss, -h:mm:ss or +Nd h:mm:ss. The picture files are not changed.</source>
        <translation>Wordt opgeteld bij de opnamedatum van elke foto van de camera, als +u:mm:ss, -u:mm:ss of +Nd u:mm:ss. De fotobestanden worden niet gewijzigd.</translation>
    </message>
    <message id="text-1758">
        <source>Undo: retitle the files the undo had put back again.</source>
        <translation>Ongedaan maken: hernoem de bestanden die het ongedaan maken had teruggezet opnieuw.</translation>
    </message>
    <message id="text-1759">
        <source>--%1 needs a folder.</source>
        <translation>--%1 heeft een map nodig.</translation>
    </message>
    <message id="text-1760">
        <source>Unknown camera</source>
        <translation>Onbekende camera</translation>
    </message>
    <message id="text-1761">
        <source>Give either --add-free-text or --keep-selection.</source>
        <translation>Geef --add-free-text of --keep-selection, niet allebei.</translation>
    </message>
    <message id="text-1762">
        <source> (serial number </source>
        <translation> (serienummer </translation>
    </message>
    <message id="text-1763">
        <source>print the Test &amp; Preview report; exit 0 when Retitle Now could run, 1 when errors block it</source>
        <translation>toont het verslag van Test en voorbeeld; eindigt met 0 als Nu hernoemen kan, met 1 als fouten het tegenhouden</translation>
    </message>
    <message id="text-1764">
        <source> picture(s)</source>
        <translation> foto('s)</translation>
    </message>
    <message id="text-1765">
        <source>the test pass, then Retitle Now unless an error blocks it</source>
        <translation>de testronde, dan Nu hernoemen tenzij een fout dat tegenhoudt</translation>
    </message>
    <message id="text-1766">
        <source>, no date taken</source>
        <translation>, geen opnamedatum</translation>
    </message>
    <message id="text-1767">
        <source>undo the folder's last retitling, as Retitle &gt; Undo last retitling does</source>
        <translation>maakt de laatste hernoeming van de map ongedaan, zoals Hernoemen &gt; Laatste hernoeming ongedaan maken</translation>
    </message>
    <message id="text-1768">
        <source>Taken in different time zones: </source>
        <translation>Genomen in verschillende tijdzones: </translation>
    </message>
    <message id="text-1769">
        <source>print the outcome as one JSON document</source>
        <translation>toont de uitkomst als één JSON-document</translation>
    </message>
    <message id="text-1770">
        <source>Letter case of extension:</source>
        <translation>Hoofdlettergebruik van extensie:</translation>
    </message>
    <message id="text-1771">
        <source>add the pictures that have a free text but are not selected (by default the command stops where the window would ask)</source>
        <translation>voegt de foto's toe die een vrije tekst hebben maar niet geselecteerd zijn (standaard stopt de opdracht waar het venster het zou vragen)</translation>
    </message>
    <message id="text-1772">
        <source>As found</source>
        <translation>Zoals gevonden</translation>
    </message>
    <message id="text-1773">
        <source>go on with the selection as it is instead</source>
        <translation>gaat in plaats daarvan door met de selectie zoals die is</translation>
    </message>
    <message id="text-1774">
        <source>lower case</source>
        <translation>kleine letters</translation>
    </message>
    <message id="text-1775">
        <source>go on past the warnings that the window lets the user ignore</source>
        <translation>gaat door na de waarschuwingen die het venster laat negeren</translation>
    </message>
    <message id="text-1776">
        <source>UPPER CASE</source>
        <translation>HOOFDLETTERS</translation>
    </message>
    <message id="text-1777">
        <source>print this help and exit</source>
        <translation>toont deze hulp en stopt</translation>
    </message>
    <message id="text-1778">
        <source>Number in order of date taken</source>
        <translation>Nummeren in volgorde van opnamedatum</translation>
    </message>
    <message id="text-1779">
        <source>print the version and exit</source>
        <translation>toont de versie en stopt</translation>
    </message>
    <message id="text-1780">
        <source>Start again at each new day</source>
        <translation>Opnieuw beginnen bij elke nieuwe dag</translation>
    </message>
    <message id="text-1781">
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message id="text-1782">
        <source>Start again at each new destination folder</source>
        <translation>Opnieuw beginnen bij elke nieuwe doelmap</translation>
    </message>
    <message id="text-1783">
        <source>Gives the pictures of FOLDER new file names. Without an option it opens FOLDER in the window (without FOLDER, a folder browser).</source>
        <translation>Geeft de foto's van FOLDER nieuwe bestandsnamen. Zonder optie opent het FOLDER in het venster (zonder FOLDER een mappenkiezer).</translation>
    </message>
    <message id="text-1784">
        <source>Dates taken corrected for the camera's clock (</source>
        <translation>Opnamedata gecorrigeerd voor de klok van de camera (</translation>
    </message>
    <message id="text-1785">
        <source>Every other question gets the answer that keeps everything as it is. Exit codes: 0 done, 1 the command could not run or an error blocked it, 2 the command line is wrong. See mirelto(1).</source>
        <translation>Elke andere vraag krijgt het antwoord dat alles laat zoals het is. Afsluitcodes: 0 klaar, 1 de opdracht kon niet worden uitgevoerd of een fout hield haar tegen, 2 de opdrachtregel is onjuist. Zie mirelto(1).</translation>
    </message>
    <message id="text-1786">
        <source> picture(s)):</source>
        <translation> foto('s)):</translation>
    </message>
    <message id="text-1787">
        <source>Log: %1</source>
        <translation>Logboek: %1</translation>
    </message>
    <message id="text-1788">
        <source>taken </source>
        <translation>genomen </translation>
    </message>
    <message id="text-1789">
        <source>Journal: %1</source>
        <translation>Journaal: %1</translation>
    </message>
    <message id="text-1790">
        <source>, camera clock </source>
        <translation>, cameraklok </translation>
    </message>
    <message id="text-1791">
        <source>Stays where it is: %1 (%2)</source>
        <translation>Blijft waar het is: %1 (%2)</translation>
    </message>
    <message id="text-1792">
        <source>New title</source>
        <translation>Nieuwe titel</translation>
    </message>
    <message id="text-1793">
        <source>Mirelto is already running. Close it first to work on folder %1.</source>
        <translation>Mirelto draait al. Sluit het eerst om met map %1 te werken.</translation>
    </message>
    <message id="text-1794">
        <source>No date taken</source>
        <translation>Geen opnamedatum</translation>
    </message>
    <message id="text-1795">
        <source>No picture of this folder is selected: select the pictures to retitle in the window first.</source>
        <translation>Er is geen foto in deze map geselecteerd: selecteer eerst in het venster de foto's die u wilt hernoemen.</translation>
    </message>
    <message id="text-1796">
        <source>Camera wrote </source>
        <translation>Camera schreef </translation>
    </message>
    <message id="text-1797">
        <source>Test &amp; Preview stopped before its test pass.</source>
        <translation>Test en voorbeeld is gestopt voor de testronde.</translation>
    </message>
</context>
</TS>
