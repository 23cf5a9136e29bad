<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
    <context>
        <name>QuorvelStrings</name>
        <message id="C300">
            <source>+</source>
            <comment>Text</comment>
            <translation>+</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C301">
            <source>-</source>
            <comment>Text2</comment>
            <translation>-</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C302">
            <source>1 Hour</source>
            <comment>Text1Hour</comment>
            <translation>1 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C303">
            <source>10 Hours</source>
            <comment>Text10Hours</comment>
            <translation>10 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C304">
            <source>11 Hours</source>
            <comment>Text11Hours</comment>
            <translation>11 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C305">
            <source>12 Hours</source>
            <comment>Text12Hours</comment>
            <translation>12 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C306">
            <source>18 Hours</source>
            <comment>Text18Hours</comment>
            <translation>18 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C307">
            <source>2 Hours</source>
            <comment>Text2Hours</comment>
            <translation>2 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C1">
            <source>24 Hour</source>
            <comment>Text24Hour</comment>
            <translation>24 órás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C2">
            <source>24 Hour Non-Burglary</source>
            <comment>Text24HourNonBurglary</comment>
            <translation>24 órás, nem betörés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C3">
            <source>24 Hour Zone Bypass</source>
            <comment>Text24HourZoneBypass</comment>
            <translation>24 órás zóna kiiktatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C308">
            <source>24 Hours</source>
            <comment>Text24Hours</comment>
            <translation>24 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C309">
            <source>3 Hours</source>
            <comment>Text3Hours</comment>
            <translation>3 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C310">
            <source>36 Hours</source>
            <comment>Text36Hours</comment>
            <translation>36 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C311">
            <source>4 Hours</source>
            <comment>Text4Hours</comment>
            <translation>4 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C312">
            <source>48 Hours</source>
            <comment>Text48Hours</comment>
            <translation>48 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C313">
            <source>5 Hours</source>
            <comment>Text5Hours</comment>
            <translation>5 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C314">
            <source>6 Hours</source>
            <comment>Text6Hours</comment>
            <translation>6 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C315">
            <source>60 Hours</source>
            <comment>Text60Hours</comment>
            <translation>60 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C316">
            <source>7 Hours</source>
            <comment>Text7Hours</comment>
            <translation>7 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C317">
            <source>72 Hours</source>
            <comment>Text72Hours</comment>
            <translation>72 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C318">
            <source>8 Hours</source>
            <comment>Text8Hours</comment>
            <translation>8 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C319">
            <source>84 Hours</source>
            <comment>Text84Hours</comment>
            <translation>84 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C320">
            <source>9 Hours</source>
            <comment>Text9Hours</comment>
            <translation>9 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C321">
            <source>&lt;</source>
            <comment>Text3</comment>
            <translation>&lt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C322">
            <source>&gt;</source>
            <comment>Text4</comment>
            <translation>&gt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C323">
            <source>&gt;|</source>
            <comment>Text5</comment>
            <translation>&gt;|</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C4">
            <source>AC Fail</source>
            <comment>ACFail</comment>
            <translation>Hálózati táphiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C5">
            <source>Acc No:</source>
            <comment>AccNo</comment>
            <translation>Ügyfélszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C6">
            <source>Acc. No</source>
            <comment>AccNo2</comment>
            <translation>Ügyfélsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C7">
            <source>Access Denied</source>
            <comment>AccessDenied</comment>
            <translation>Belépés megtagadva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C324">
            <source>Account No</source>
            <comment>AccountNo</comment>
            <translation>Ügyfélsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C8">
            <source>Actioned</source>
            <comment>Actioned</comment>
            <translation>Kezelve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C326">
            <source>Add</source>
            <comment>Add</comment>
            <translation>Hozzáadás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C9">
            <source>Add New User</source>
            <comment>AddNewUser</comment>
            <translation>Új operátor felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C10">
            <source>Add Records</source>
            <comment>AddRecords</comment>
            <translation>Rekordok felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C491">
            <source>Additional Instructions and Information</source>
            <comment>AdditionalInstructionsAndInformation</comment>
            <translation>További utasítások és információk</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C327">
            <source>Address</source>
            <comment>Address2</comment>
            <translation>Cím</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C11">
            <source>Address:</source>
            <comment>Address</comment>
            <translation>Cím:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C328">
            <source>Alarm Action</source>
            <comment>AlarmAction</comment>
            <translation>Riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C12">
            <source>Alarm Cancelled</source>
            <comment>AlarmCancelled</comment>
            <translation>Riasztás visszavonva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C329">
            <source>Alarm Panel:</source>
            <comment>AlarmPanel</comment>
            <translation>Riasztóközpont:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C330">
            <source>Alarm Priority</source>
            <comment>AlarmPriority</comment>
            <translation>Prioritás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C332">
            <source>Area Description</source>
            <comment>AreaDescription</comment>
            <translation>Partíció leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C333">
            <source>Area Information</source>
            <comment>AreaInformation</comment>
            <translation>Partíciók adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C13">
            <source>Area:</source>
            <comment>Area</comment>
            <translation>Partíció:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C334">
            <source>Areas</source>
            <comment>Areas</comment>
            <translation>Partíciók</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C14">
            <source>Audible PA</source>
            <comment>AudiblePA</comment>
            <translation>Hangos pánikriasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C15">
            <source>Auto Test Call</source>
            <comment>AutoTestCall</comment>
            <translation>Automatikus tesztjelentés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C16">
            <source>Bell Fault</source>
            <comment>BellFault</comment>
            <translation>Szirénahiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C17">
            <source>Burglary</source>
            <comment>Burglary</comment>
            <translation>Betörés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C18">
            <source>Burglary Bypass</source>
            <comment>BurglaryBypass</comment>
            <translation>Betörészóna kiiktatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C19">
            <source>Callback Request</source>
            <comment>CallbackRequest</comment>
            <translation>Visszahívási kérés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C20">
            <source>Cancel Changes</source>
            <comment>CancelChanges</comment>
            <translation>Változások elvetése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C335">
            <source>Cancel edit</source>
            <comment>CancelEdit</comment>
            <translation>Szerkesztés megszakítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C21">
            <source>Cancelled</source>
            <comment>Cancelled</comment>
            <translation>Törölve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C336">
            <source>Code</source>
            <comment>Code</comment>
            <translation>Kód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C22">
            <source>Communication Exception</source>
            <comment>CommunicationException</comment>
            <translation>Kommunikációs rendellenesség</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C337">
            <source>Communication Exception:</source>
            <comment>CommunicationException2</comment>
            <translation>Kommunikációs rendellenesség:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C23">
            <source>Communication Failure (Polling)</source>
            <comment>CommunicationFailurePolling</comment>
            <translation>Sikertelen lekérdezés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C24">
            <source>Confirmed</source>
            <comment>Confirmed</comment>
            <translation>Megerősített betörés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C338">
            <source>Customer</source>
            <comment>Customer</comment>
            <translation>Ügyfél</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C339">
            <source>Customer Notes</source>
            <comment>CustomerNotes</comment>
            <translation>Ügyfél megjegyzései</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C26">
            <source>Data</source>
            <comment>Data</comment>
            <translation>Adat</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C27">
            <source>Date &amp; Time:</source>
            <comment>DateTime</comment>
            <translation>Dátum és idő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C28">
            <source>Date/Time</source>
            <comment>DateTime2</comment>
            <translation>Dátum/idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C29">
            <source>Date/Time Reset</source>
            <comment>DateTimeReset</comment>
            <translation>Dátum/idő átállítva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C340">
            <source>Date:</source>
            <comment>Date</comment>
            <translation>Dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C30">
            <source>Delete Records</source>
            <comment>DeleteRecords</comment>
            <translation>Rekordok törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C341">
            <source>Delete record</source>
            <comment>DeleteRecord</comment>
            <translation>Rekord törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C342">
            <source>Details</source>
            <comment>Details</comment>
            <translation>Részletek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C343">
            <source>Disabled</source>
            <comment>Disabled</comment>
            <translation>Kikapcsolva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C31">
            <source>Door Access</source>
            <comment>DoorAccess</comment>
            <translation>Belépés engedélyezve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C32">
            <source>Duress</source>
            <comment>Duress</comment>
            <translation>Kényszerkód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C33">
            <source>Early Opening</source>
            <comment>EarlyOpening</comment>
            <translation>Korai nyitás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C34">
            <source>Edit Records</source>
            <comment>EditRecords</comment>
            <translation>Rekordok módosítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C35">
            <source>Edit User</source>
            <comment>EditUser</comment>
            <translation>Operátor szerkesztése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C344">
            <source>Edit record</source>
            <comment>EditRecord</comment>
            <translation>Rekord szerkesztése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C345">
            <source>Email</source>
            <comment>Email2</comment>
            <translation>E-mail</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C346">
            <source>Email Events to this Key Holder</source>
            <comment>EmailEventsToThisKeyHolder</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C347">
            <source>Email on Alarm</source>
            <comment>EmailOnAlarm</comment>
            <translation>E-mail riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C348">
            <source>Email on Restore</source>
            <comment>EmailOnRestore</comment>
            <translation>E-mail helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C36">
            <source>Email:</source>
            <comment>Email</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C492">
            <source>Engr on Site:</source>
            <comment>EngrOnSite</comment>
            <translation>Szerelő a helyszínen:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C37">
            <source>Entry/Exit</source>
            <comment>EntryExit</comment>
            <translation>Belépés/kilépés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C38">
            <source>Event Log 90% Full</source>
            <comment>EventLog90ull</comment>
            <translation>Eseménynapló 90%-ban megtelt</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C39">
            <source>Event:</source>
            <comment>Event</comment>
            <translation>Esemény:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C349">
            <source>Exceptions</source>
            <comment>Exceptions</comment>
            <translation>Rendellenességek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C40">
            <source>Exit Error</source>
            <comment>ExitError</comment>
            <translation>Kilépési hiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C41">
            <source>Expansion Module Failure</source>
            <comment>ExpansionModuleFailure</comment>
            <translation>Bővítőmodul-hiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C42">
            <source>Fail to Communicate</source>
            <comment>FailToCommunicate</comment>
            <translation>Sikertelen kommunikáció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C43">
            <source>Failed</source>
            <comment>Failed</comment>
            <translation>Sikertelen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C44">
            <source>Failed to Closed</source>
            <comment>FailedToClosed</comment>
            <translation>Elmaradt zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C45">
            <source>Failed to Open</source>
            <comment>FailedToOpen</comment>
            <translation>Elmaradt nyitás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C350">
            <source>Fax No</source>
            <comment>FaxNo2</comment>
            <translation>Faxszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C47">
            <source>Fire</source>
            <comment>Fire</comment>
            <translation>Tűz</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C48">
            <source>Fire Bypass</source>
            <comment>FireBypass</comment>
            <translation>Tűzzóna kiiktatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C49">
            <source>Fire Trouble</source>
            <comment>FireTrouble</comment>
            <translation>Tűzjelző-hiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C351">
            <source>First record</source>
            <comment>FirstRecord</comment>
            <translation>Első rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C352">
            <source>Friday:</source>
            <comment>Friday</comment>
            <translation>Péntek:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C50">
            <source>Gas Detected</source>
            <comment>GasDetected</comment>
            <translation>Gázszivárgás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C52">
            <source>High Priority - %.3d</source>
            <comment>HighPriority</comment>
            <translation>Magas prioritás - %.3d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C53">
            <source>High Temperature</source>
            <comment>HighTemperature</comment>
            <translation>Magas hőmérséklet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C353">
            <source>Import...</source>
            <comment>Import</comment>
            <translation>Importálás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C354">
            <source>Insert record</source>
            <comment>InsertRecord</comment>
            <translation>Új rekord felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C355">
            <source>Instruction:</source>
            <comment>Instruction</comment>
            <translation>Utasítás:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C55">
            <source>Interior</source>
            <comment>Interior</comment>
            <translation>Térvédelem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C57">
            <source>Key Holder 1</source>
            <comment>KeyHolder1</comment>
            <translation>1. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C58">
            <source>Key Holder 2</source>
            <comment>KeyHolder2</comment>
            <translation>2. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C59">
            <source>Key Holder 3</source>
            <comment>KeyHolder3</comment>
            <translation>3. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C60">
            <source>Key Holder 4</source>
            <comment>KeyHolder4</comment>
            <translation>4. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C61">
            <source>Key Holder 5</source>
            <comment>KeyHolder5</comment>
            <translation>5. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C62">
            <source>Key Holder 6</source>
            <comment>KeyHolder6</comment>
            <translation>6. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C356">
            <source>Key Holder Information</source>
            <comment>KeyHolderInformation</comment>
            <translation>Értesítendő személyek adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C63">
            <source>Key Tube</source>
            <comment>KeyTube</comment>
            <translation>Kulcsdoboz</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C64">
            <source>Keyholders</source>
            <comment>Keyholders</comment>
            <translation>Értesítendők</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C357">
            <source>Last Communication:</source>
            <comment>LastCommunication</comment>
            <translation>Utolsó kommunikáció:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C358">
            <source>Last record</source>
            <comment>LastRecord</comment>
            <translation>Utolsó rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C66">
            <source>Line No</source>
            <comment>LineNo</comment>
            <translation>Vonal</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C67">
            <source>Logged</source>
            <comment>Logged</comment>
            <translation>Naplózva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C68">
            <source>Loss of Radio Supervsion</source>
            <comment>LossOfRadioSupervsion</comment>
            <translation>Rádiós felügyelet megszűnt</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C70">
            <source>Low Priority - %.3d</source>
            <comment>LowPriority</comment>
            <translation>Alacsony prioritás - %.3d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C71">
            <source>Low System Battery</source>
            <comment>LowSystemBattery</comment>
            <translation>Alacsony akkufeszültség</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C72">
            <source>Low Temperature</source>
            <comment>LowTemperature</comment>
            <translation>Alacsony hőmérséklet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C73">
            <source>Manual Test Call</source>
            <comment>ManualTestCall</comment>
            <translation>Kézi tesztjelentés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C74">
            <source>Medical</source>
            <comment>Medical</comment>
            <translation>Orvosi segélyhívás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C76">
            <source>Medium Priority - %.3d</source>
            <comment>MediumPriority</comment>
            <translation>Közepes prioritás - %.3d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C77">
            <source>Message</source>
            <comment>Message</comment>
            <translation>Üzenet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C78">
            <source>Mobile:</source>
            <comment>Mobile</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C79">
            <source>Modify Communication Setup</source>
            <comment>ModifyCommunicationSetup</comment>
            <translation>Kommunikációs beállítások módosítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C80">
            <source>Module Tamper</source>
            <comment>ModuleTamper</comment>
            <translation>Modulszabotázs</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C359">
            <source>Monday:</source>
            <comment>Monday</comment>
            <translation>Hétfő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C360">
            <source>Name</source>
            <comment>Name2</comment>
            <translation>Név</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C361">
            <source>Next record</source>
            <comment>NextRecord</comment>
            <translation>Következő rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C83">
            <source>Notes</source>
            <comment>Notes</comment>
            <translation>Megjegyzések</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C84">
            <source>Open/Close (Timed/Auto)</source>
            <comment>OpenCloseTimedAuto</comment>
            <translation>Nyitás/zárás (automatikus)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C85">
            <source>Open/Close Remotely</source>
            <comment>OpenCloseRemotely</comment>
            <translation>Nyitás/zárás távolról</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C86">
            <source>Open/Close by Keyswitch</source>
            <comment>OpenCloseByKeyswitch</comment>
            <translation>Nyitás/zárás kulcskapcsolóval</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C87">
            <source>Open/Close by User</source>
            <comment>OpenCloseByUser</comment>
            <translation>Nyitás/zárás felhasználó által</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C493">
            <source>Operator Comments</source>
            <comment>OperatorComments</comment>
            <translation>Operátor megjegyzései</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C88">
            <source>Pager:</source>
            <comment>Pager</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C89">
            <source>Panel Prog. Changed</source>
            <comment>PanelProgChanged</comment>
            <translation>Központ programja módosult</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C362">
            <source>Panel Type</source>
            <comment>PanelType</comment>
            <translation>Központ típusa</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C90">
            <source>Panel:</source>
            <comment>Panel</comment>
            <translation>Központ:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C91">
            <source>Panic</source>
            <comment>Panic</comment>
            <translation>Pánikriasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C92">
            <source>Pending</source>
            <comment>Pending</comment>
            <translation>Várakozik</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C93">
            <source>Perimeter</source>
            <comment>Perimeter</comment>
            <translation>Héjvédelem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C94">
            <source>Phone Line Failure</source>
            <comment>PhoneLineFailure</comment>
            <translation>Telefonvonal-hiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C95">
            <source>Police No:</source>
            <comment>PoliceNo</comment>
            <translation>Rendőrség tel.:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C325">
            <source>Post</source>
            <comment>AccountNo2</comment>
            <translation>Mentés</translation>
            <extra-loc-version>2</extra-loc-version>
        </message>
        <message id="C363">
            <source>Post edit</source>
            <comment>PostEdit</comment>
            <translation>Szerkesztés mentése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C364">
            <source>Postcode</source>
            <comment>Postcode2</comment>
            <translation>Irsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C96">
            <source>Postcode:</source>
            <comment>Postcode</comment>
            <translation>Irányítószám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C365">
            <source>Print</source>
            <comment>Print</comment>
            <translation>Nyomtatás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C97">
            <source>Print Reports</source>
            <comment>PrintReports</comment>
            <translation>Jelentések nyomtatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C366">
            <source>Prior record</source>
            <comment>PriorRecord</comment>
            <translation>Előző rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C98">
            <source>Priority:</source>
            <comment>Priority</comment>
            <translation>Prioritás:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C99">
            <source>Program Mode Entry</source>
            <comment>ProgramModeEntry</comment>
            <translation>Belépés programozási módba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C100">
            <source>Program Mode Exit</source>
            <comment>ProgramModeExit</comment>
            <translation>Kilépés programozási módból</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C102">
            <source>Protocol</source>
            <comment>Protocol</comment>
            <translation>Protokoll</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C103">
            <source>Pull Station</source>
            <comment>PullStation</comment>
            <translation>Kézi jelzésadó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C104">
            <source>Quick Arm</source>
            <comment>QuickArm</comment>
            <translation>Gyors élesítés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C105">
            <source>RF xmitter low Battery</source>
            <comment>RFXmitterLowBattery</comment>
            <translation>Rádiós adó telepe gyenge</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C106">
            <source>Recent Close</source>
            <comment>RecentClose</comment>
            <translation>Riasztás zárás után</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C107">
            <source>Recipients</source>
            <comment>Recipients</comment>
            <translation>Címzettek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C108">
            <source>Refrigeration</source>
            <comment>Refrigeration</comment>
            <translation>Hűtőberendezés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C109">
            <source>Remove User</source>
            <comment>RemoveUser</comment>
            <translation>Operátor törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C367">
            <source>Restore Action</source>
            <comment>RestoreAction</comment>
            <translation>Helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C110">
            <source>Rx No</source>
            <comment>RxNo</comment>
            <translation>Vevő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C368">
            <source>Saturday:</source>
            <comment>Saturday</comment>
            <translation>Szombat:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C369">
            <source>Save</source>
            <comment>Save</comment>
            <translation>Mentés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C111">
            <source>Save Changes</source>
            <comment>SaveChanges</comment>
            <translation>Változások mentése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C370">
            <source>Search</source>
            <comment>Search</comment>
            <translation>Keresés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C112">
            <source>Sensor Tamper</source>
            <comment>SensorTamper</comment>
            <translation>Érzékelő-szabotázs</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C113">
            <source>Sensor Trouble</source>
            <comment>SensorTrouble</comment>
            <translation>Érzékelőhiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C114">
            <source>Sent</source>
            <comment>Sent</comment>
            <translation>Elküldve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C371">
            <source>Show History</source>
            <comment>ShowHistory</comment>
            <translation>Előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C115">
            <source>Silent PA</source>
            <comment>SilentPA</comment>
            <translation>Néma pánikriasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C116">
            <source>Special Instructions</source>
            <comment>SpecialInstructions</comment>
            <translation>Különleges utasítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C117">
            <source>Special:</source>
            <comment>Special</comment>
            <translation>Egyéb:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C118">
            <source>Status</source>
            <comment>Status</comment>
            <translation>Állapot</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C119">
            <source>Subject</source>
            <comment>Subject</comment>
            <translation>Tárgy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C120">
            <source>Successful Download Access</source>
            <comment>SuccessfulDownloadAccess</comment>
            <translation>Sikeres távoli hozzáférés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C372">
            <source>Sunday:</source>
            <comment>Sunday</comment>
            <translation>Vasárnap:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C494">
            <source>System Closed:</source>
            <comment>SystemClosed</comment>
            <translation>Rendszer zárva:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C121">
            <source>System Reset</source>
            <comment>SystemReset</comment>
            <translation>Rendszer-újraindítás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C122">
            <source>System Trouble</source>
            <comment>SystemTrouble</comment>
            <translation>Rendszerhiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C373">
            <source>System Users</source>
            <comment>SystemUsers</comment>
            <translation>A rendszer felhasználói</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C374">
            <source>Tel No</source>
            <comment>TelNo2</comment>
            <translation>Telefonszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C375">
            <source>Telephone No</source>
            <comment>TelephoneNo</comment>
            <translation>Telefonszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C376">
            <source>Thursday:</source>
            <comment>Thursday</comment>
            <translation>Csütörtök:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C377">
            <source>Time:</source>
            <comment>Time</comment>
            <translation>Idő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C378">
            <source>Tuesday:</source>
            <comment>Tuesday</comment>
            <translation>Kedd:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C379">
            <source>Update Event</source>
            <comment>UpdateEvent</comment>
            <translation>Esemény frissítése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C380">
            <source>User Information</source>
            <comment>UserInformation</comment>
            <translation>Felhasználók adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C381">
            <source>User Name</source>
            <comment>UserName</comment>
            <translation>Felhasználó neve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C382">
            <source>User No</source>
            <comment>UserNo</comment>
            <translation>Sorszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C383">
            <source>Users</source>
            <comment>Users</comment>
            <translation>Felhasználók</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C125">
            <source>Very High Priority - %.3d</source>
            <comment>VeryHighPriority</comment>
            <translation>Nagyon magas prioritás - %.3d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C126">
            <source>Walk Test Mode</source>
            <comment>WalkTestMode</comment>
            <translation>Sétateszt üzemmód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C384">
            <source>Wednesday:</source>
            <comment>Wednesday</comment>
            <translation>Szerda:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C128">
            <source>Zone Bypass</source>
            <comment>ZoneBypass</comment>
            <translation>Zóna kiiktatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C385">
            <source>Zone Description</source>
            <comment>ZoneDescription</comment>
            <translation>Zóna leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C386">
            <source>Zone Details</source>
            <comment>ZoneDetails</comment>
            <translation>Zónák adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C387">
            <source>Zone Information</source>
            <comment>ZoneInformation</comment>
            <translation>Zónák adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C388">
            <source>Zone No</source>
            <comment>ZoneNo</comment>
            <translation>Zónaszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C129">
            <source>Zone Tamper</source>
            <comment>ZoneTamper</comment>
            <translation>Zónaszabotázs</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C130">
            <source>Zone/User:</source>
            <comment>ZoneUser</comment>
            <translation>Zóna/felhasználó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C389">
            <source>Zones</source>
            <comment>Zones</comment>
            <translation>Zónák</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C390">
            <source>|&lt;</source>
            <comment>Text6</comment>
            <translation>|&lt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>aboutbox</name>
        <message id="C131">
            <source>About</source>
            <comment>About</comment>
            <translation>Névjegy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C543">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C132">
            <source>Quorvel Alarm&#13;
Monitor</source>
            <comment>QuorvelAlarmMonitor</comment>
            <translation>Quorvel Alarm&#13;
Monitor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C133">
            <source>Version %s - %s</source>
            <comment>Version</comment>
            <translation>Verzió: %s - %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>accountreport</name>
        <message id="C391">
            <source>Account Information</source>
            <comment>AccountInformation</comment>
            <translation>Ügyféladatlap</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C392">
            <source>Unknown</source>
            <comment>Unknown</comment>
            <translation>Ismeretlen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C393">
            <source>Very High</source>
            <comment>VeryHigh</comment>
            <translation>Nagyon magas</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C394">
            <source>High</source>
            <comment>High</comment>
            <translation>Magas</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C395">
            <source>Medium</source>
            <comment>Medium</comment>
            <translation>Közepes</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C396">
            <source>Low</source>
            <comment>Low</comment>
            <translation>Alacsony</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C397">
            <source>Invalid</source>
            <comment>Invalid</comment>
            <translation>Érvénytelen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C398">
            <source>Ignore</source>
            <comment>Ignore</comment>
            <translation>Mellőzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C399">
            <source>Log</source>
            <comment>Log</comment>
            <translation>Naplózás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C400">
            <source>Prompt</source>
            <comment>Prompt</comment>
            <translation>Kijelzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C555">
            <source>am</source>
            <comment>Am</comment>
            <translation>de.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C556">
            <source>pm</source>
            <comment>Pm</comment>
            <translation>du.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C557">
            <source>True</source>
            <comment>True</comment>
            <translation>Igen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C558">
            <source>False</source>
            <comment>False</comment>
            <translation>Nem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C401">
            <source>Page:</source>
            <comment>Page</comment>
            <translation>Oldal:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C402">
            <source>Account No:</source>
            <comment>AccountNo</comment>
            <translation>Ügyfélszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C403">
            <source>Name:</source>
            <comment>Name</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C404">
            <source>Customer Details</source>
            <comment>CustomerDetails</comment>
            <translation>Ügyféladatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C405">
            <source>Tel No:</source>
            <comment>TelNo</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C406">
            <source>Fax No:</source>
            <comment>FaxNo</comment>
            <translation>Faxszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C407">
            <source>Key Holders</source>
            <comment>KeyHolders</comment>
            <translation>Értesítendők</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C408">
            <source>Exception Handling</source>
            <comment>ExceptionHandling</comment>
            <translation>Rendellenességek kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C409">
            <source>Early Openings</source>
            <comment>EarlyOpenings</comment>
            <translation>Korai nyitások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C410">
            <source>Generate Exception</source>
            <comment>GenerateException</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C411">
            <source>Late Closing</source>
            <comment>LateClosing</comment>
            <translation>Késői zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C412">
            <source>No Communication</source>
            <comment>NoCommunication</comment>
            <translation>Nincs kommunikáció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C413">
            <source>Last Communication: </source>
            <comment>LastCommunication</comment>
            <translation>Utolsó kommunikáció: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C414">
            <source>Generate Exception after: </source>
            <comment>GenerateExceptionAfter</comment>
            <translation>Jelzés ennyi idő után: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C415">
            <source>Hours</source>
            <comment>Hours</comment>
            <translation>óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C416">
            <source>No</source>
            <comment>No</comment>
            <translation>Sz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C417">
            <source>Description</source>
            <comment>Description</comment>
            <translation>Leírás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C418">
            <source>Event Handling</source>
            <comment>EventHandling</comment>
            <translation>Események kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C559">
            <source>Zone</source>
            <comment>Zone</comment>
            <translation>Zóna</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C560">
            <source>Area</source>
            <comment>Area</comment>
            <translation>Partíció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C561">
            <source>User</source>
            <comment>User</comment>
            <translation>Felhasználó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C562">
            <source>Last Signal:</source>
            <comment>LastSignal</comment>
            <translation>Utolsó jelzés:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C563">
            <source>Special Inst:</source>
            <comment>SpecialInst</comment>
            <translation>Különleges utasítás:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C564">
            <source>Mobile/Cellular</source>
            <comment>MobileCellular</comment>
            <translation>Mobil</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C565">
            <source>Pager</source>
            <comment>Pager</comment>
            <translation>Személyhívó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C566">
            <source>Event Code</source>
            <comment>EventCode</comment>
            <translation>Eseménykód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C567">
            <source>Alarm Priorty</source>
            <comment>AlarmPriorty</comment>
            <translation>Riasztási prioritás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>accountsearch</name>
        <message id="C419">
            <source>Account Search</source>
            <comment>AccountSearch</comment>
            <translation>Ügyfél keresése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C420">
            <source>Search Field:</source>
            <comment>SearchField</comment>
            <translation>Keresési mező:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C421">
            <source>Search For:</source>
            <comment>SearchFor</comment>
            <translation>Keresett érték:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C422">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C423">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>accviewpages</name>
        <message id="C424">
            <source>Logged by Operator</source>
            <comment>LoggedByOperator</comment>
            <translation>Operátor naplózta</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C425">
            <source>Delete record?</source>
            <comment>DeleteRecord</comment>
            <translation>Törli a rekordot?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>datefield</name>
        <message id="C426">
            <source>Date as %1</source>
            <comment>DateAs</comment>
            <translation>Dátum %1 formában</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>errors</name>
        <message id="C138">
            <source>Cannot create unique ID</source>
            <comment>CannotCreateUniqueID</comment>
            <translation>Nem hozható létre egyedi azonosító</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>eventcatalogue</name>
        <message id="C139">
            <source>'%1' is not a valid integer value</source>
            <comment>IsNotAValidIntegerValue</comment>
            <translation>„%1” nem érvényes egész szám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C140">
            <source>Alarm</source>
            <comment>Alarm</comment>
            <translation>Riasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C141">
            <source>Opened</source>
            <comment>Opened</comment>
            <translation>Nyitás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C142">
            <source>Restore</source>
            <comment>Restore</comment>
            <translation>Helyreállás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C143">
            <source>Closed</source>
            <comment>Closed</comment>
            <translation>Zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C144">
            <source>Priority Alarm</source>
            <comment>PriorityAlarm</comment>
            <translation>Kiemelt riasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C145">
            <source>Standard Alarm</source>
            <comment>StandardAlarm</comment>
            <translation>Normál riasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C146">
            <source>Open/Close</source>
            <comment>OpenClose</comment>
            <translation>Nyitás/zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C147">
            <source>Omit/Unomit</source>
            <comment>OmitUnomit</comment>
            <translation>Kiiktatás/visszaállítás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C148">
            <source>Maintenance</source>
            <comment>Maintenance</comment>
            <translation>Karbantartás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C149">
            <source>Tamper</source>
            <comment>Tamper</comment>
            <translation>Szabotázs</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C150">
            <source>Test</source>
            <comment>Test</comment>
            <translation>Teszt</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C151">
            <source>Unknown Event Code %.3d</source>
            <comment>UnknownEventCode</comment>
            <translation>Ismeretlen eseménykód: %.3d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C152">
            <source>%s: %s %s - Zone %.3d (%s)</source>
            <comment>Zone</comment>
            <translation>%s: %s %s - %.3d. zóna (%s)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C153">
            <source>%s: %s %s - Zone %.3d</source>
            <comment>Zone2</comment>
            <translation>%s: %s %s - %.3d. zóna</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C154">
            <source>%s: %s by User %.3d (%s)</source>
            <comment>ByUser</comment>
            <translation>%s: %s - %.3d. felhasználó (%s)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C155">
            <source>%s: %s by User %.3d</source>
            <comment>ByUser2</comment>
            <translation>%s: %s - %.3d. felhasználó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>eventprocessor</name>
        <message id="C427">
            <source>Received alarm events are waiting: an event could not be processed (%1). It is tried again until it succeeds.</source>
            <comment>ReceivedAlarmEventsAreWaitingAnEventCoul</comment>
            <translation>Beérkezett riasztási események várakoznak: egy eseményt nem sikerült feldolgozni (%1). A program addig próbálkozik vele, amíg sikerrel nem jár.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C156">
            <source>Received alarm events are waiting: the store cannot be written (%1). They are processed as soon as there is space again.</source>
            <comment>ReceivedAlarmEventsAreWaitingTheStoreCan</comment>
            <translation>Beérkezett riasztási események várakoznak: az adatbázisba nem lehet írni (%1). Feldolgozásuk azonnal megtörténik, amint ismét lesz hely.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C157">
            <source>No Action for this Event</source>
            <comment>NoActionForThisEvent</comment>
            <translation>Ehhez az eseményhez nincs teendő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C158">
            <source>System</source>
            <comment>System</comment>
            <translation>Rendszer</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C159">
            <source>Area %.2d</source>
            <comment>Area</comment>
            <translation>%.2d. partíció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C160">
            <source>N/A</source>
            <comment>NA</comment>
            <translation>n. a.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C161">
            <source>No Communication from account %s since %s</source>
            <comment>NoCommunicationFromAccountSince</comment>
            <translation>A(z) %s ügyfélszámról %s óta nem érkezett jelzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C162">
            <source>Automatically Logged</source>
            <comment>AutomaticallyLogged</comment>
            <translation>Automatikusan naplózva</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C163">
            <source>Site Tel No: </source>
            <comment>SiteTelNo</comment>
            <translation>Helyszín telefonszáma: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C164">
            <source>Acc No %s - %s</source>
            <comment>AccNo</comment>
            <translation>Ügyfélszám: %s - %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C428">
            <source>The alarm of account %1 was stored, but its e-mail to the key holders could not be queued: %2</source>
            <comment>TheAlarmOfAccountWasStoredButItsEMailToT</comment>
            <translation>A(z) %1 ügyfél riasztását a program eltárolta, de az értesítendőknek szóló e-mailt nem sikerült sorba állítani: %2</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>guarded</name>
        <message id="C165">
            <source>An unexpected error has occurred.</source>
            <comment>AnUnexpectedErrorHasOccurred</comment>
            <translation>Váratlan hiba történt.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>langerrors</name>
        <message id="C166">
            <source>Invalid file format</source>
            <comment>InvalidFileFormat</comment>
            <translation>Érvénytelen fájlformátum</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C167">
            <source>The language file can not be read. You need to download the latest language tool</source>
            <comment>TheLanguageFileCanNotBeReadYouNeedToDown</comment>
            <translation>A nyelvi fájl nem olvasható. Töltse le a nyelvi eszköz legújabb változatát</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C168">
            <source>Invalid LANGS resource</source>
            <comment>InvalidLANGSResource</comment>
            <translation>Érvénytelen LANGS-erőforrás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C169">
            <source>Wrong stream format</source>
            <comment>WrongStreamFormat</comment>
            <translation>Hibás adatfolyam-formátum</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C170">
            <source>Source stream is not defined</source>
            <comment>SourceStreamIsNotDefined</comment>
            <translation>Nincs megadva forrás-adatfolyam</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C171">
            <source>Destination stream is not defined</source>
            <comment>DestinationStreamIsNotDefined</comment>
            <translation>Nincs megadva cél-adatfolyam</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C172">
            <source>Invalid LocStorage</source>
            <comment>InvalidLocStorage</comment>
            <translation>Érvénytelen nyelvi tároló</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C173">
            <source>Invalid index</source>
            <comment>InvalidIndex</comment>
            <translation>Érvénytelen index</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C174">
            <source>Invalid resource file format </source>
            <comment>InvalidResourceFileFormat</comment>
            <translation>Érvénytelen erőforrásfájl-formátum </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>localizer</name>
        <message id="C479">
            <source>Unable to save the settings to </source>
            <comment>UnableToSaveTheSettingsTo</comment>
            <translation>A beállítások nem menthetők ide: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C486">
            <source>Language file "%s" is not found</source>
            <comment>LanguageFileIsNotFound</comment>
            <translation>A(z) "%s" nyelvi fájl nem található</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C487">
            <source>Language "%s" is not found</source>
            <comment>LanguageIsNotFound</comment>
            <translation>A(z) "%s" nyelv nem található</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C488">
            <source>Specified path "%s" does not exist</source>
            <comment>SpecifiedPathDoesNotExist</comment>
            <translation>A megadott "%s" elérési út nem létezik</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C480">
            <source>Localizer is not initialized</source>
            <comment>LocalizerIsNotInitialized</comment>
            <translation>A nyelvkezelő nincs előkészítve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C481">
            <source>Can not load language %s from resources</source>
            <comment>CanNotLoadLanguageFromResources</comment>
            <translation>A(z) %s nyelv nem tölthető be a program erőforrásaiból</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C482">
            <source>Can't create DLL. The native DLL is invalid</source>
            <comment>CanTCreateDLLTheNativeDLLIsInvalid</comment>
            <translation>A nyelvi modul nem hozható létre: az alapnyelvi modul érvénytelen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C489">
            <source>Can not delete file "%s"</source>
            <comment>CanNotDeleteFile</comment>
            <translation>A(z) "%s" fájl nem törölhető</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C490">
            <source>Can not write file "%s"</source>
            <comment>CanNotWriteFile</comment>
            <translation>A(z) "%s" fájl nem írható</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>localizerui</name>
        <message id="C483">
            <source>Localizer Error</source>
            <comment>LocalizerError</comment>
            <translation>Nyelvkezelési hiba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C484">
            <source>Localizer is not initialized</source>
            <comment>LocalizerIsNotInitialized</comment>
            <translation>A nyelvkezelő nincs előkészítve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>logon</name>
        <message id="C175">
            <source>Operator Log On</source>
            <comment>OperatorLogOn</comment>
            <translation>Operátor bejelentkezése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C176">
            <source>Operator Name</source>
            <comment>OperatorName</comment>
            <translation>Operátor neve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C177">
            <source>Password:</source>
            <comment>Password</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C544">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C545">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C178">
            <source>User Name not found !</source>
            <comment>UserNameNotFound</comment>
            <translation>Nincs ilyen felhasználónév!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C179">
            <source>Incorrect Passcode ! - Please enter correct Password</source>
            <comment>IncorrectPasscodePleaseEnterCorrectPassw</comment>
            <translation>Hibás jelszó! Adja meg a helyes jelszót</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>maildelivery</name>
        <message id="C180">
            <source>No Email SMTP Server Host defined.&#13;
</source>
            <comment>NoEmailSMTPServerHostDefined</comment>
            <translation>Nincs megadva SMTP-kiszolgáló.&#13;
</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C181">
            <source>No Account Name defined.&#13;
</source>
            <comment>NoAccountNameDefined</comment>
            <translation>Nincs megadva felhasználónév.&#13;
</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C182">
            <source>No Account Password defined.&#13;
</source>
            <comment>NoAccountPasswordDefined</comment>
            <translation>Nincs megadva jelszó.&#13;
</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C183">
            <source>No Senders email Address defined.</source>
            <comment>NoSendersEmailAddressDefined</comment>
            <translation>Nincs megadva a feladó e-mail-címe.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C184">
            <source>Emails cannot be sent as the following is not configured:&#13;
&#13;
%s</source>
            <comment>EmailsCannotBeSentAsTheFollowingIsNotCon</comment>
            <translation>Az e-mailek nem küldhetők el, mert a következők nincsenek beállítva:&#13;
&#13;
%s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C185">
            <source>Enable to connect to SMTP Server - Please check that your anti-virus software will allow outbound traffic on port %d</source>
            <comment>EnableToConnectToSMTPServerPleaseCheckTh</comment>
            <translation>Nem sikerült kapcsolódni az SMTP-kiszolgálóhoz. Ellenőrizze, hogy a víruskereső engedélyezi-e a kimenő forgalmat ezen a porton: %d</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>mailmessage</name>
        <message id="C186">
            <source>Site Information:</source>
            <comment>SiteInformation</comment>
            <translation>A helyszín adatai:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C187">
            <source>The sender's address '%1' cannot be used</source>
            <comment>TheSenderSAddressCannotBeUsed</comment>
            <translation>A feladó címe („%1”) nem használható</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C188">
            <source>The e-mail has no recipient address</source>
            <comment>TheEMailHasNoRecipientAddress</comment>
            <translation>Az e-mailnek nincs címzettje</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C189">
            <source>The recipient address '%1' cannot be used</source>
            <comment>TheRecipientAddressCannotBeUsed</comment>
            <translation>A címzett címe („%1”) nem használható</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>main</name>
        <message id="C190">
            <source>Quorvel Alarm Monitor</source>
            <comment>QuorvelAlarmMonitor</comment>
            <translation>Quorvel Alarm Monitor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>operatorsession</name>
        <message id="C495">
            <source>Operator</source>
            <comment>Operator</comment>
            <translation>Operátor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C496">
            <source>Log On...</source>
            <comment>LogOn</comment>
            <translation>Bejelentkezés...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C497">
            <source>Log Off</source>
            <comment>LogOff</comment>
            <translation>Kijelentkezés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C498">
            <source>Change Passcode...</source>
            <comment>ChangePasscode</comment>
            <translation>Jelszó módosítása...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C499">
            <source>Modify System Operators...</source>
            <comment>ModifySystemOperators</comment>
            <translation>Operátorok kezelése...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C500">
            <source>Exit</source>
            <comment>Exit</comment>
            <translation>Kilépés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C501">
            <source>Accounts</source>
            <comment>Accounts</comment>
            <translation>Ügyfelek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C502">
            <source>Open Account Manager</source>
            <comment>OpenAccountManager</comment>
            <translation>Ügyfélkezelő megnyitása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C503">
            <source>Communication</source>
            <comment>Communication</comment>
            <translation>Kommunikáció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C504">
            <source>Setup</source>
            <comment>Setup</comment>
            <translation>Beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C505">
            <source>View Comms Data...</source>
            <comment>ViewCommsData</comment>
            <translation>Kommunikációs adatok...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C506">
            <source>View Email History...</source>
            <comment>ViewEmailHistory</comment>
            <translation>E-mail-előzmények...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C507">
            <source>Language</source>
            <comment>Language</comment>
            <translation>Nyelv</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C508">
            <source>Help</source>
            <comment>Help</comment>
            <translation>Súgó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C509">
            <source>About</source>
            <comment>About</comment>
            <translation>Névjegy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C510">
            <source>You logged on with the default password, which anyone may know. Please choose a new password now.&#13;
&#13;
Change it now?</source>
            <comment>YouLoggedOnWithTheDefaultPasswordWhichAn</comment>
            <translation>Az alapértelmezett jelszóval jelentkezett be, amelyet bárki ismerhet. Kérjük, válasszon most új jelszót.&#13;
&#13;
Megváltoztatja most?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C511">
            <source> - Please Enter OLD Password</source>
            <comment>PleaseEnterOLDPassword</comment>
            <translation> - Adja meg a RÉGI jelszót</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C512">
            <source>OLD passcode is not valid !</source>
            <comment>OLDPasscodeIsNotValid</comment>
            <translation>A RÉGI jelszó hibás!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C513">
            <source> - Please Enter NEW Password</source>
            <comment>PleaseEnterNEWPassword</comment>
            <translation> - Adja meg az ÚJ jelszót</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C514">
            <source> - Please Enter AGAIN for Confirmation</source>
            <comment>PleaseEnterAGAINForConfirmation</comment>
            <translation> - Adja meg ÚJRA megerősítésként</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C515">
            <source>NEW Code and Confirmation code are not the same - Please try again</source>
            <comment>NEWCodeAndConfirmationCodeAreNotTheSameP</comment>
            <translation>Az ÚJ jelszó és a megerősítés nem egyezik. Próbálja újra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C516">
            <source> - an Error has occured, Your Passcode has NOT been Accepted !</source>
            <comment>AnErrorHasOccuredYourPasscodeHasNOTBeenA</comment>
            <translation> - Hiba történt, a jelszó NEM változott meg!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C517">
            <source> - Your NEW Passcode has been Accepted !</source>
            <comment>YourNEWPasscodeHasBeenAccepted</comment>
            <translation> - Az ÚJ jelszó érvénybe lépett!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C518">
            <source>Edt</source>
            <comment>Edt</comment>
            <translation>Mód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C519">
            <source> Add</source>
            <comment>Add</comment>
            <translation> Fel</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C520">
            <source> Del</source>
            <comment>Del</comment>
            <translation> Tör</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C521">
            <source> Com</source>
            <comment>Com</comment>
            <translation> Kom</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C522">
            <source> Rep</source>
            <comment>Rep</comment>
            <translation> Jel</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C523">
            <source>Operator: %s</source>
            <comment>Operator2</comment>
            <translation>Operátor: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C524">
            <source>Access Options: %s</source>
            <comment>AccessOptions</comment>
            <translation>Jogosultságok: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C525">
            <source>The operators cannot be read, so no exit password can be checked.&#13;
&#13;
Shut the monitor down anyway?</source>
            <comment>TheOperatorsCannotBeReadSoNoExitPassword</comment>
            <translation>Az operátorok adatai nem olvashatók, ezért a kilépési jelszó nem ellenőrizhető.&#13;
&#13;
Mégis leállítja a felügyeletet?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C526">
            <source>Exit Quorvel Password</source>
            <comment>ExitQuorvelPassword</comment>
            <translation>Jelszó a Quorvel bezárásához</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>operatorsfrm</name>
        <message id="C206">
            <source>Modify System Operators</source>
            <comment>ModifySystemOperators</comment>
            <translation>Operátorok kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C207">
            <source>User Name:</source>
            <comment>UserName</comment>
            <translation>Felhasználónév:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C208">
            <source>Password:</source>
            <comment>Password</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C209">
            <source>Close</source>
            <comment>Close</comment>
            <translation>Bezárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C210">
            <source>Delete record?</source>
            <comment>DeleteRecord</comment>
            <translation>Törli a rekordot?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C431">
            <source>Save the changes to this operator?</source>
            <comment>SaveTheChangesToThisOperator</comment>
            <translation>Menti az operátor módosításait?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C432">
            <source>Yes</source>
            <comment>Yes</comment>
            <translation>Igen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C433">
            <source>No</source>
            <comment>No</comment>
            <translation>Nem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C434">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>panelfile</name>
        <message id="C435">
            <source>File type not supported</source>
            <comment>FileTypeNotSupported</comment>
            <translation>A fájltípus nem támogatott</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C546">
            <source>Cannot open Customer Information file for reading the panel version.&#13;
Please check that %s.cif file exists.</source>
            <comment>CannotOpenCustomerInformationFileForRead</comment>
            <translation>A központ verziószámának olvasásához az ügyféladatfájl nem nyitható meg.&#13;
Ellenőrizze, hogy a(z) %s.cif fájl létezik-e.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C436">
            <source>Incorrect format of Panel version found.&#13;&#13;Please try connecting the panel with Progal &amp; reading back the data.&#13;
This will correct the version number information.</source>
            <comment>IncorrectFormatOfPanelVersionFoundPlease</comment>
            <translation>A központ verziószáma hibás formátumú.&#13;&#13;Csatlakoztassa a központot a Progal programhoz, és olvassa vissza az adatokat.&#13;
Ez kijavítja a verziószámot.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C437">
            <source>Panel version information not found.&#13;&#13;Please try connecting the panel with Progal and reading back the data.&#13;
This will correct the version number information.</source>
            <comment>PanelVersionInformationNotFoundPleaseTry</comment>
            <translation>A központ verziószáma nem található.&#13;&#13;Csatlakoztassa a központot a Progal programhoz, és olvassa vissza az adatokat.&#13;
Ez kijavítja a verziószámot.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C438">
            <source>Invalid file password - Please enter the correct password!</source>
            <comment>InvalidFilePasswordPleaseEnterTheCorrect</comment>
            <translation>Hibás fájljelszó. Adja meg a helyes jelszót!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C439">
            <source>Data File Error - Check panel type is correct</source>
            <comment>DataFileErrorCheckPanelTypeIsCorrect</comment>
            <translation>Adatfájlhiba: ellenőrizze, hogy a központ típusa helyes-e</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C440">
            <source>Data File Error - The panel data file is damaged: its header check failed.&#13;
No texts were imported.</source>
            <comment>DataFileErrorThePanelDataFileIsDamagedIt</comment>
            <translation>Adatfájlhiba: a központ adatfájlja sérült, a fejléc ellenőrzése sikertelen.&#13;
Egyetlen szöveg sem lett importálva.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C441">
            <source>Data File Error - The panel data file is incomplete or damaged.&#13;
No texts were imported.</source>
            <comment>DataFileErrorThePanelDataFileIsIncomplet</comment>
            <translation>Adatfájlhiba: a központ adatfájlja hiányos vagy sérült.&#13;
Egyetlen szöveg sem lett importálva.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C442">
            <source>The Customer Information file is incomplete or damaged, so the panel version cannot be read.&#13;
Please try connecting the panel with Progal and reading back the data.</source>
            <comment>TheCustomerInformationFileIsIncompleteOr</comment>
            <translation>Az ügyféladatfájl hiányos vagy sérült, ezért a központ verziószáma nem olvasható.&#13;
Csatlakoztassa a központot a Progal programhoz, és olvassa vissza az adatokat.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C547">
            <source>%s is too large to be a panel data file.&#13;
No texts were imported.</source>
            <comment>IsTooLargeToBeAPanelDataFileNoTextsWereI</comment>
            <translation>A(z) %s túl nagy ahhoz, hogy a központ adatfájlja legyen.&#13;
Egyetlen szöveg sem lett importálva.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C548">
            <source>%s is a folder, not a panel data file.</source>
            <comment>IsAFolderNotAPanelDataFile</comment>
            <translation>A(z) %s egy mappa, nem a központ adatfájlja.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C549">
            <source>%s is empty, so it holds no panel data.&#13;
No texts were imported.</source>
            <comment>IsEmptySoItHoldsNoPanelDataNoTextsWereIm</comment>
            <translation>A(z) %s üres, nincs benne a központ adata.&#13;
Egyetlen szöveg sem lett importálva.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>panelimport</name>
        <message id="C443">
            <source>Record locked by another user.</source>
            <comment>RecordLockedByAnotherUser</comment>
            <translation>A rekordot egy másik felhasználó zárolta.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C444">
            <source>Calvane Data File</source>
            <comment>CalvaneDataFile</comment>
            <translation>Calvane adatfájl</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C445">
            <source>Open</source>
            <comment>Open</comment>
            <translation>Megnyitás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C446">
            <source>Unlock File</source>
            <comment>UnlockFile</comment>
            <translation>Fájl feloldása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C447">
            <source>Enter Password:</source>
            <comment>EnterPassword</comment>
            <translation>Adja meg a jelszót:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>pendingpanel</name>
        <message id="C527">
            <source>&amp;Action</source>
            <comment>Action</comment>
            <translation>&amp;Kezelés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C528">
            <source>Log</source>
            <comment>Log</comment>
            <translation>Naplózás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C529">
            <source>Delete</source>
            <comment>Delete</comment>
            <translation>Törlés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C530">
            <source>History...</source>
            <comment>History</comment>
            <translation>Előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C531">
            <source>Silence</source>
            <comment>Silence</comment>
            <translation>Némítás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C532">
            <source>No Pending Alarm Events</source>
            <comment>NoPendingAlarmEvents</comment>
            <translation>Nincs függő riasztási esemény</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C533">
            <source>The account details of this event cannot be read: %1</source>
            <comment>TheAccountDetailsOfThisEventCannotBeRead</comment>
            <translation>Az esemény ügyféladatai nem olvashatók: %1</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C534">
            <source>No Account Details for this Event</source>
            <comment>NoAccountDetailsForThisEvent</comment>
            <translation>Ehhez az eseményhez nincsenek ügyféladatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C535">
            <source>You have not entered any comments!</source>
            <comment>YouHaveNotEnteredAnyComments</comment>
            <translation>Nem írt megjegyzést!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C536">
            <source>Are you sure you want to log this alarm without any comments</source>
            <comment>AreYouSureYouWantToLogThisAlarmWithoutAn</comment>
            <translation>Biztosan megjegyzés nélkül naplózza ezt a riasztást?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C537">
            <source>Logged by Operator</source>
            <comment>LoggedByOperator</comment>
            <translation>Operátor naplózta</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C538">
            <source>The alarm event has already been removed.</source>
            <comment>TheAlarmEventHasAlreadyBeenRemoved</comment>
            <translation>A riasztási eseményt már eltávolították.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>receiverlink</name>
        <message id="C217">
            <source>'%1' is not a valid port number</source>
            <comment>IsNotAValidPortNumber</comment>
            <translation>„%1” nem érvényes portszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C218">
            <source>Cannot listen on port %1: %2</source>
            <comment>CannotListenOnPort</comment>
            <translation>Nem lehet figyelni ezen a porton: %1 (%2)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C219">
            <source>(more than %1 bytes without DC4 dropped up to the next DC4)</source>
            <comment>MoreThanBytesWithoutDC4DroppedUpToTheNex</comment>
            <translation>(DC4 nélküli, %1 bájtnál hosszabb adat eldobva a következő DC4-ig)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C220">
            <source>Status: Receiving Data...</source>
            <comment>StatusReceivingData</comment>
            <translation>Állapot: adatfogadás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C221">
            <source>Status: Monitoring...</source>
            <comment>StatusMonitoring</comment>
            <translation>Állapot: figyelés...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C222">
            <source>'%1' is not a valid integer value</source>
            <comment>IsNotAValidIntegerValue</comment>
            <translation>„%1” nem érvényes egész szám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C223">
            <source>Unexpected failure while handling a receiver frame</source>
            <comment>UnexpectedFailureWhileHandlingAReceiverF</comment>
            <translation>Váratlan hiba egy vevőkeret feldolgozása közben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C449">
            <source>Cannot make the receiver log %1 private to this user</source>
            <comment>CannotMakeTheReceiverLogPrivateToThisUse</comment>
            <translation>A(z) %1 vevőnapló hozzáférése nem korlátozható erre a felhasználóra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C224">
            <source>Cannot write the receiver log %1: %2</source>
            <comment>CannotWriteTheReceiverLog</comment>
            <translation>A(z) %1 vevőnapló nem írható: %2</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C225">
            <source>Receiver: Online</source>
            <comment>ReceiverOnline</comment>
            <translation>Vevő: online</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C226">
            <source>Receiver: Offline</source>
            <comment>ReceiverOffline</comment>
            <translation>Vevő: offline</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C227">
            <source>Rovask Alarm Receiver is Offline !</source>
            <comment>RovaskAlarmReceiverIsOffline</comment>
            <translation>A Rovask riasztásvevő offline!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>receiverstart</name>
        <message id="C228">
            <source>Rovask Alarm Receiver not found !</source>
            <comment>RovaskAlarmReceiverNotFound</comment>
            <translation>A Rovask riasztásvevő nem található!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C229">
            <source>Rovask execution failed !</source>
            <comment>RovaskExecutionFailed</comment>
            <translation>A Rovask indítása sikertelen!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>recordrules</name>
        <message id="C230">
            <source>Customer account already exists. Please use a different &#13;
account number.</source>
            <comment>CustomerAccountAlreadyExistsPleaseUseADi</comment>
            <translation>Ilyen ügyfélszámú ügyfél már létezik. Adjon meg egy másik &#13;
ügyfélszámot.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C231">
            <source>The Master user CANNOT be deleted!</source>
            <comment>TheMasterUserCANNOTBeDeleted</comment>
            <translation>A fő felhasználó NEM törölhető!</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>reportpreview</name>
        <message id="C450">
            <source>Save as PDF</source>
            <comment>SaveAsPDF</comment>
            <translation>Mentés PDF-ként</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C451">
            <source>PDF files (*.pdf)</source>
            <comment>PDFFilesPdf</comment>
            <translation>PDF-fájlok (*.pdf)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C452">
            <source>Save as PDF...</source>
            <comment>SaveAsPDF2</comment>
            <translation>Mentés PDF-ként...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C453">
            <source>Save the report as a PDF file</source>
            <comment>SaveTheReportAsAPDFFile</comment>
            <translation>A jelentés mentése PDF-fájlba</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C454">
            <source>The report could not be saved. %s</source>
            <comment>TheReportCouldNotBeSaved</comment>
            <translation>A jelentést nem sikerült menteni. %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>resmodule</name>
        <message id="C485">
            <source>Error loading resource file "%s"</source>
            <comment>ErrorLoadingResourceFile</comment>
            <translation>Hiba a(z) "%s" erőforrásfájl betöltésekor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>settings</name>
        <message id="C232">
            <source>Unable to save the settings to </source>
            <comment>UnableToSaveTheSettingsTo</comment>
            <translation>A beállítások nem menthetők ide: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>smtpclient</name>
        <message id="C233">
            <source>The transfer was stopped</source>
            <comment>TheTransferWasStopped</comment>
            <translation>Az átvitel megszakadt</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C234">
            <source>The mail client could not be set up</source>
            <comment>TheMailClientCouldNotBeSetUp</comment>
            <translation>A levelezőkliens nem állítható be</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C235">
            <source>'%1' is not a valid mail server name</source>
            <comment>IsNotAValidMailServerName</comment>
            <translation>„%1” nem érvényes levelezőkiszolgáló-név</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C455">
            <source>The mail server %1 offers no encrypted connection (STARTTLS): the password is not sent in clear to another machine.</source>
            <comment>TheMailServerOffersNoEncryptedConnection</comment>
            <translation>A(z) %1 levelezőkiszolgáló nem kínál titkosított kapcsolatot (STARTTLS), ezért a jelszót nem küldjük el titkosítatlanul másik gépre.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>station</name>
        <message id="C539">
            <source>Receiver: Offline</source>
            <comment>ReceiverOffline</comment>
            <translation>Vevő: offline</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C540">
            <source>Status: Receiving Data...</source>
            <comment>StatusReceivingData</comment>
            <translation>Állapot: adatfogadás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C541">
            <source>Status: Monitoring...</source>
            <comment>StatusMonitoring</comment>
            <translation>Állapot: figyelés...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C542">
            <source>Receiver: Online</source>
            <comment>ReceiverOnline</comment>
            <translation>Vevő: online</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>statusbar</name>
        <message id="C236">
            <source>Status:</source>
            <comment>Status</comment>
            <translation>Állapot:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C237">
            <source>Receiver: Offline</source>
            <comment>ReceiverOffline</comment>
            <translation>Vevő: offline</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C238">
            <source>Operator:</source>
            <comment>Operator</comment>
            <translation>Operátor:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C239">
            <source>Access Level:</source>
            <comment>AccessLevel</comment>
            <translation>Jogosultság:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>supervision</name>
        <message id="C240">
            <source>Cannot insert record into comms table</source>
            <comment>CannotInsertRecordIntoCommsTable</comment>
            <translation>Nem lehet rekordot írni a kommunikációs táblába</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>taccviewfrm</name>
        <message id="C456">
            <source>The account number must have four characters, each 0 to 9 or A to F.</source>
            <comment>TheAccountNumberMustHaveFourCharactersEa</comment>
            <translation>Az ügyfélszám négy karakterből áll, mindegyik 0–9 vagy A–F lehet.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C457">
            <source>Account Manager</source>
            <comment>AccountManager</comment>
            <translation>Ügyfélkezelő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C550">
            <source>Account No: %s</source>
            <comment>AccountNo</comment>
            <translation>Ügyfélszám: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C551">
            <source>Name: %s</source>
            <comment>Name</comment>
            <translation>Név: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C458">
            <source>Edit</source>
            <comment>Edit</comment>
            <translation>Szerkesztés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C459">
            <source>Insert</source>
            <comment>Insert</comment>
            <translation>Felvétel</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C460">
            <source>Browse</source>
            <comment>Browse</comment>
            <translation>Böngészés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C461">
            <source>New record</source>
            <comment>NewRecord</comment>
            <translation>Új rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C462">
            <source>Record %1 of %2</source>
            <comment>RecordOf</comment>
            <translation>Rekord: %1 / %2</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C463">
            <source>Delete record?</source>
            <comment>DeleteRecord</comment>
            <translation>Törli a rekordot?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C464">
            <source>Save the changes to this account?</source>
            <comment>SaveTheChangesToThisAccount</comment>
            <translation>Menti az ügyfél módosításait?</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>tcommsfrm</name>
        <message id="C241">
            <source>Received Communication Data</source>
            <comment>ReceivedCommunicationData</comment>
            <translation>Fogadott kommunikációs adatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>tcomsetupfrm</name>
        <message id="C242">
            <source>Communication Setup</source>
            <comment>CommunicationSetup</comment>
            <translation>Kommunikációs beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C243">
            <source>Rovask Port </source>
            <comment>RovaskPort</comment>
            <translation>Rovask port </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C244">
            <source>TCP Port:</source>
            <comment>TCPPort</comment>
            <translation>TCP-port:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C245">
            <source>Log Rovask Messages</source>
            <comment>LogRovaskMessages</comment>
            <translation>Rovask üzenetek naplózása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C246">
            <source>Email Settings</source>
            <comment>EmailSettings</comment>
            <translation>E-mail-beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C247">
            <source>Email Server (SMTP):</source>
            <comment>EmailServerSMTP</comment>
            <translation>E-mail-kiszolgáló (SMTP):</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C248">
            <source>Account User Name:</source>
            <comment>AccountUserName</comment>
            <translation>Felhasználónév:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C249">
            <source>Account Password:</source>
            <comment>AccountPassword</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C250">
            <source>Senders Email Address:</source>
            <comment>SendersEmailAddress</comment>
            <translation>Feladó e-mail-címe:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C251">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C252">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>tdmod</name>
        <message id="C253">
            <source>Unable to add a new alias</source>
            <comment>UnableToAddANewAlias</comment>
            <translation>Nem hozható létre új adatbázis-álnév</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C465">
            <source>The store could not be made private to this user; other users of this machine may read it:&#13;
%1</source>
            <comment>TheStoreCouldNotBeMadePrivateToThisUserO</comment>
            <translation>Az adatbázis hozzáférése nem korlátozható erre a felhasználóra, így a gép más felhasználói is olvashatják:&#13;
%1</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C254">
            <source>Cannot open Table, error is: </source>
            <comment>CannotOpenTableErrorIs</comment>
            <translation>A tábla nem nyitható meg, a hiba: </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>tfrmemaildata</name>
        <message id="C255">
            <source>Email History</source>
            <comment>EmailHistory</comment>
            <translation>E-mail-előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>thistoryfrm</name>
        <message id="C256">
            <source>Customer History: Account No %s (%s)</source>
            <comment>CustomerHistoryAccountNo</comment>
            <translation>Ügyfél előzményei – ügyfélszám: %s (%s)</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C257">
            <source>Only Show Event Types:</source>
            <comment>OnlyShowEventTypes</comment>
            <translation>Csak ezek az eseménytípusok:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C258">
            <source>Date Range</source>
            <comment>DateRange</comment>
            <translation>Időszak</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C259">
            <source>Start Date:</source>
            <comment>StartDate</comment>
            <translation>Kezdő dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C260">
            <source>End Date:</source>
            <comment>EndDate</comment>
            <translation>Záró dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C261">
            <source>Use Date Range</source>
            <comment>UseDateRange</comment>
            <translation>Szűrés időszakra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C262">
            <source>Print...</source>
            <comment>Print</comment>
            <translation>Nyomtatás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C263">
            <source>Close</source>
            <comment>Close</comment>
            <translation>Bezárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C466">
            <source>Please type the dates in the form %1.</source>
            <comment>PleaseTypeTheDatesInTheForm</comment>
            <translation>A dátumot ebben a formában adja meg: %1.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>thistreportfrm</name>
        <message id="C267">
            <source>Alarm History Report</source>
            <comment>AlarmHistoryReport</comment>
            <translation>Riasztási előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C552">
            <source>Name: %s</source>
            <comment>Name</comment>
            <translation>Név: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C553">
            <source>Date Range: %s</source>
            <comment>DateRange</comment>
            <translation>Időszak: %s</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C554">
            <source>All</source>
            <comment>All</comment>
            <translation>teljes</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C268">
            <source>Account History Report</source>
            <comment>AccountHistoryReport</comment>
            <translation>Ügyfél előzményei</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C269">
            <source>Page:</source>
            <comment>Page</comment>
            <translation>Oldal:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C270">
            <source>Account No:</source>
            <comment>AccountNo</comment>
            <translation>Ügyfélszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C271">
            <source>Date &amp; Time</source>
            <comment>DateTime</comment>
            <translation>Dátum és idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C272">
            <source>Event Description</source>
            <comment>EventDescription</comment>
            <translation>Esemény leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C273">
            <source>Action</source>
            <comment>Action</comment>
            <translation>Művelet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C274">
            <source>Operator</source>
            <comment>Operator</comment>
            <translation>Operátor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C275">
            <source>Actioned At</source>
            <comment>ActionedAt</comment>
            <translation>Kezelés ideje</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C276">
            <source>Comments</source>
            <comment>Comments</comment>
            <translation>Megjegyzések</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>timportoptsfrm</name>
        <message id="C467">
            <source>Import Options</source>
            <comment>ImportOptions</comment>
            <translation>Importálás beállításai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C468">
            <source>Options</source>
            <comment>Options</comment>
            <translation>Beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C469">
            <source>Zone Text</source>
            <comment>ZoneText</comment>
            <translation>Zónanevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C470">
            <source>Area Text</source>
            <comment>AreaText</comment>
            <translation>Partíciónevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C471">
            <source>User Names</source>
            <comment>UserNames</comment>
            <translation>Felhasználónevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C472">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C473">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>tmainfrm</name>
        <message id="C277">
            <source>Quorvel Alarm Monitor</source>
            <comment>QuorvelAlarmMonitor</comment>
            <translation>Quorvel Alarm Monitor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>treportoptions</name>
        <message id="C475">
            <source>Report Options</source>
            <comment>ReportOptions</comment>
            <translation>Jelentés beállításai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C476">
            <source>Include the Following</source>
            <comment>IncludeTheFollowing</comment>
            <translation>A jelentés tartalma</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C477">
            <source>OK</source>
            <comment>OK</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="C478">
            <source>Cancel</source>
            <comment>Cancel</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>MainFrm</name>
        <message id="P17">
            <source>Status: Monitoring...</source>
            <comment>StatBarPanel0.Caption</comment>
            <translation>Állapot: figyelés...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P18">
            <source>Receiver: Offline</source>
            <comment>StatBarPanel3.Caption</comment>
            <translation>Vevő: offline</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P1">
            <source>Operator</source>
            <comment>mnuOperator.Caption</comment>
            <translation>Operátor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P2">
            <source>Log On...</source>
            <comment>mnuLogOn.Caption</comment>
            <translation>Bejelentkezés...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P3">
            <source>Log Off</source>
            <comment>mnuLogOff.Caption</comment>
            <translation>Kijelentkezés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P4">
            <source>Change Passcode...</source>
            <comment>mnuPasscode.Caption</comment>
            <translation>Jelszó módosítása...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P5">
            <source>Modify System Operators...</source>
            <comment>mnuEditOperators.Caption</comment>
            <translation>Operátorok kezelése...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P6">
            <source>Exit</source>
            <comment>mnuExit.Caption</comment>
            <translation>Kilépés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P7">
            <source>Accounts</source>
            <comment>mnuAccounts.Caption</comment>
            <translation>Ügyfelek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P8">
            <source>Open Account Manager</source>
            <comment>AccEdit.Caption</comment>
            <translation>Ügyfélkezelő megnyitása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P9">
            <source>Communication</source>
            <comment>mnuCommunication.Caption</comment>
            <translation>Kommunikáció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P10">
            <source>Setup</source>
            <comment>Setup1.Caption</comment>
            <translation>Beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P11">
            <source>View Comms Data...</source>
            <comment>mnuViewCommsData.Caption</comment>
            <translation>Kommunikációs adatok...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P12">
            <source>View Email History...</source>
            <comment>mnuViewEmail.Caption</comment>
            <translation>E-mail-előzmények...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P13">
            <source>Setup</source>
            <comment>mnuSetup.Caption</comment>
            <translation>Beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P14">
            <source>Language</source>
            <comment>mnuSetupLanguage.Caption</comment>
            <translation>Nyelv</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P15">
            <source>Help</source>
            <comment>mnuHelp.Caption</comment>
            <translation>Súgó</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P16">
            <source>About</source>
            <comment>About1.Caption</comment>
            <translation>Névjegy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P19">
            <source>No Pending Alarm Events</source>
            <comment>lbNoEvents.Caption</comment>
            <translation>Nincs függő riasztási esemény</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P20">
            <source>Customer Details</source>
            <comment>PgControl.Tabs[0].Caption</comment>
            <translation>Ügyféladatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P21">
            <source>Notes</source>
            <comment>PgControl.Tabs[1].Caption</comment>
            <translation>Megjegyzések</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P22">
            <source>Special Instructions</source>
            <comment>PgControl.Tabs[2].Caption</comment>
            <translation>Különleges utasítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P23">
            <source>Keyholders</source>
            <comment>PgControl.Tabs[3].Caption</comment>
            <translation>Értesítendők</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P24">
            <source>Key Holder 1</source>
            <comment>gbKeyHolder1.Caption</comment>
            <translation>1. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P297">
            <source>Name:</source>
            <comment>lbKH1Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P298">
            <source>Tel No:</source>
            <comment>lbKH1TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P299">
            <source>Mobile:</source>
            <comment>lbKH1Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P300">
            <source>Pager:</source>
            <comment>lbKH1Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P25">
            <source>Key Holder 2</source>
            <comment>gbKeyHolder2.Caption</comment>
            <translation>2. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P301">
            <source>Name:</source>
            <comment>lbKH2Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P302">
            <source>Tel No:</source>
            <comment>lbKH2TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P303">
            <source>Mobile:</source>
            <comment>lbKH2Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P304">
            <source>Pager:</source>
            <comment>lbKH2Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P26">
            <source>Key Holder 3</source>
            <comment>gbKeyHolder3.Caption</comment>
            <translation>3. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P305">
            <source>Name:</source>
            <comment>lbKH3Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P306">
            <source>Tel No:</source>
            <comment>lbKH3TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P307">
            <source>Mobile:</source>
            <comment>lbKH3Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P308">
            <source>Pager:</source>
            <comment>lbKH3Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P27">
            <source>Key Holder 4</source>
            <comment>gbKeyHolder4.Caption</comment>
            <translation>4. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P309">
            <source>Name:</source>
            <comment>lbKH4Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P310">
            <source>Tel No:</source>
            <comment>lbKH4TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P311">
            <source>Mobile:</source>
            <comment>lbKH4Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P312">
            <source>Pager:</source>
            <comment>lbKH4Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P28">
            <source>Key Holder 5</source>
            <comment>gbKeyHolder5.Caption</comment>
            <translation>5. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P313">
            <source>Name:</source>
            <comment>lbKH5Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P314">
            <source>Tel No:</source>
            <comment>lbKH5TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P315">
            <source>Mobile:</source>
            <comment>lbKH5Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P316">
            <source>Pager:</source>
            <comment>lbKH5Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P29">
            <source>Key Holder 6</source>
            <comment>gbKeyHolder6.Caption</comment>
            <translation>6. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P317">
            <source>Name:</source>
            <comment>lbKH6Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P318">
            <source>Tel No:</source>
            <comment>lbKH6TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P319">
            <source>Mobile:</source>
            <comment>lbKH6Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P320">
            <source>Pager:</source>
            <comment>lbKH6Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P321">
            <source>Acc No:</source>
            <comment>lbAccountNo.Caption</comment>
            <translation>Ügyfélszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P322">
            <source>Name:</source>
            <comment>lbName.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P323">
            <source>Address:</source>
            <comment>lbAddress.Caption</comment>
            <translation>Cím:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P324">
            <source>Postcode:</source>
            <comment>lbPostcode.Caption</comment>
            <translation>Irányítószám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P325">
            <source>Tel No:</source>
            <comment>lbTelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P326">
            <source>Fax No:</source>
            <comment>lbFaxNo.Caption</comment>
            <translation>Faxszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P327">
            <source>Email:</source>
            <comment>lbEmail.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P328">
            <source>Panel:</source>
            <comment>lbPanelType.Caption</comment>
            <translation>Központ:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P329">
            <source>Engr on Site:</source>
            <comment>lbEngOnSite.Caption</comment>
            <translation>Szerelő a helyszínen:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P330">
            <source>System Closed:</source>
            <comment>lbSystemClosed.Caption</comment>
            <translation>Rendszer zárva:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P331">
            <source>Priority:</source>
            <comment>lbPriority.Caption</comment>
            <translation>Prioritás:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P332">
            <source>Area:</source>
            <comment>lbEventGroup.Caption</comment>
            <translation>Partíció:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P333">
            <source>Zone/User:</source>
            <comment>lbEventID.Caption</comment>
            <translation>Zóna/felhasználó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P334">
            <source>Event:</source>
            <comment>lbEventCode.Caption</comment>
            <translation>Esemény:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P335">
            <source>Date &amp; Time:</source>
            <comment>lbDateTime.Caption</comment>
            <translation>Dátum és idő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P30">
            <source>Operator Comments</source>
            <comment>gbComments.Caption</comment>
            <translation>Operátor megjegyzései</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P31">
            <source>Additional Instructions and Information</source>
            <comment>gbAdditional.Caption</comment>
            <translation>További utasítások és információk</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P336">
            <source>Special:</source>
            <comment>lbSpecialOpts.Caption</comment>
            <translation>Egyéb:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P337">
            <source>Police No:</source>
            <comment>lbPoliceNo.Caption</comment>
            <translation>Rendőrség tel.:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P338">
            <source>Password:</source>
            <comment>lbPassword.Caption</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P32">
            <source>Date &amp; Time</source>
            <comment>DBGrid1.Columns[0].Title.Caption</comment>
            <translation>Dátum és idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P33">
            <source>Acc. No</source>
            <comment>DBGrid1.Columns[1].Title.Caption</comment>
            <translation>Ügyfélsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P34">
            <source>Event Description</source>
            <comment>DBGrid1.Columns[2].Title.Caption</comment>
            <translation>Esemény leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P35">
            <source>&amp;Action</source>
            <comment>btnAction.Caption</comment>
            <translation>&amp;Kezelés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P36">
            <source>Log</source>
            <comment>btnCancel.Caption</comment>
            <translation>Naplózás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P37">
            <source>Delete</source>
            <comment>btnDelete.Caption</comment>
            <translation>Törlés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P38">
            <source>History...</source>
            <comment>btnHistory.Caption</comment>
            <translation>Előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P39">
            <source>Silence</source>
            <comment>btnSilence.Caption</comment>
            <translation>Némítás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>AboutBox</name>
        <message id="P40">
            <source>About</source>
            <comment>Caption</comment>
            <translation>Névjegy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P339">
            <source>OK</source>
            <comment>OKButton.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>LogOnFrm</name>
        <message id="P41">
            <source>Operator Log On</source>
            <comment>Caption</comment>
            <translation>Operátor bejelentkezése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P88">
            <source>Operator Name</source>
            <comment>lbName.Caption</comment>
            <translation>Operátor neve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P89">
            <source>Password:</source>
            <comment>lbPassword.Caption</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P340">
            <source>OK</source>
            <comment>OKBtn.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P341">
            <source>Cancel</source>
            <comment>CancelBtn.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>OperatorsFrm</name>
        <message id="P42">
            <source>Modify System Operators</source>
            <comment>Caption</comment>
            <translation>Operátorok kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P90">
            <source>User Name:</source>
            <comment>lbUserName.Caption</comment>
            <translation>Felhasználónév:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P91">
            <source>Password:</source>
            <comment>lbPassword.Caption</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P43">
            <source>Edit Records</source>
            <comment>cbEditRecords.Caption</comment>
            <translation>Rekordok módosítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P44">
            <source>Add Records</source>
            <comment>cbAddRecords.Caption</comment>
            <translation>Rekordok felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P45">
            <source>Delete Records</source>
            <comment>cbDeleteRecords.Caption</comment>
            <translation>Rekordok törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P46">
            <source>Modify Communication Setup</source>
            <comment>cbSetupComms.Caption</comment>
            <translation>Kommunikációs beállítások módosítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P47">
            <source>Print Reports</source>
            <comment>cbPrintReports.Caption</comment>
            <translation>Jelentések nyomtatása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P342">
            <source>+</source>
            <comment>nbInsert.Caption</comment>
            <translation>+</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P48">
            <source>Add New User</source>
            <comment>nbInsert.Hint</comment>
            <translation>Új operátor felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P343">
            <source>-</source>
            <comment>nbDelete.Caption</comment>
            <translation>-</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P49">
            <source>Remove User</source>
            <comment>nbDelete.Hint</comment>
            <translation>Operátor törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P344">
            <source>Edit</source>
            <comment>nbEdit.Caption</comment>
            <translation>Szerkesztés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P50">
            <source>Edit User</source>
            <comment>nbEdit.Hint</comment>
            <translation>Operátor szerkesztése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P345">
            <source>Post</source>
            <comment>nbPost.Caption</comment>
            <translation>Mentés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P51">
            <source>Save Changes</source>
            <comment>nbPost.Hint</comment>
            <translation>Változások mentése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P346">
            <source>Cancel</source>
            <comment>nbCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P52">
            <source>Cancel Changes</source>
            <comment>nbCancel.Hint</comment>
            <translation>Változások elvetése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P53">
            <source>Close</source>
            <comment>btnClose.Caption</comment>
            <translation>Bezárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>ComSetupFrm</name>
        <message id="P54">
            <source>Communication Setup</source>
            <comment>Caption</comment>
            <translation>Kommunikációs beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P92">
            <source>Rovask Port </source>
            <comment>gbPort.Caption</comment>
            <translation>Rovask port </translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P93">
            <source>TCP Port:</source>
            <comment>lbPort.Caption</comment>
            <translation>TCP-port:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P55">
            <source>Log Rovask Messages</source>
            <comment>cbLogMessages.Caption</comment>
            <translation>Rovask üzenetek naplózása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P94">
            <source>Email Settings</source>
            <comment>gbEmail.Caption</comment>
            <translation>E-mail-beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P95">
            <source>Email Server (SMTP):</source>
            <comment>lbHost.Caption</comment>
            <translation>E-mail-kiszolgáló (SMTP):</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P96">
            <source>Account User Name:</source>
            <comment>lbUserName.Caption</comment>
            <translation>Felhasználónév:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P97">
            <source>Account Password:</source>
            <comment>lbPassword.Caption</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P98">
            <source>Senders Email Address:</source>
            <comment>lbSender.Caption</comment>
            <translation>Feladó e-mail-címe:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P56">
            <source>OK</source>
            <comment>btnOK.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P57">
            <source>Cancel</source>
            <comment>btnCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>CommsFrm</name>
        <message id="P58">
            <source>Received Communication Data</source>
            <comment>Caption</comment>
            <translation>Fogadott kommunikációs adatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P59">
            <source>Date &amp; Time</source>
            <comment>DBGrid1.Columns[0].Title.Caption</comment>
            <translation>Dátum és idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P60">
            <source>Rx No</source>
            <comment>DBGrid1.Columns[1].Title.Caption</comment>
            <translation>Vevő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P61">
            <source>Line No</source>
            <comment>DBGrid1.Columns[2].Title.Caption</comment>
            <translation>Vonal</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P62">
            <source>Protocol</source>
            <comment>DBGrid1.Columns[3].Title.Caption</comment>
            <translation>Protokoll</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P63">
            <source>Data</source>
            <comment>DBGrid1.Columns[4].Title.Caption</comment>
            <translation>Adat</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>frmEmailData</name>
        <message id="P64">
            <source>Email History</source>
            <comment>Caption</comment>
            <translation>E-mail-előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P65">
            <source>Date &amp; Time</source>
            <comment>DBGrid1.Columns[0].Title.Caption</comment>
            <translation>Dátum és idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P66">
            <source>Subject</source>
            <comment>DBGrid1.Columns[1].Title.Caption</comment>
            <translation>Tárgy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P67">
            <source>Message</source>
            <comment>DBGrid1.Columns[2].Title.Caption</comment>
            <translation>Üzenet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P68">
            <source>Recipients</source>
            <comment>DBGrid1.Columns[3].Title.Caption</comment>
            <translation>Címzettek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P69">
            <source>Status</source>
            <comment>DBGrid1.Columns[4].Title.Caption</comment>
            <translation>Állapot</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>HistoryFrm</name>
        <message id="P70">
            <source>Date/Time</source>
            <comment>DBGrid1.Columns[0].Title.Caption</comment>
            <translation>Dátum/idő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P71">
            <source>Event Description</source>
            <comment>DBGrid1.Columns[1].Title.Caption</comment>
            <translation>Esemény leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P72">
            <source>Action</source>
            <comment>DBGrid1.Columns[2].Title.Caption</comment>
            <translation>Művelet</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P73">
            <source>Operator</source>
            <comment>DBGrid1.Columns[3].Title.Caption</comment>
            <translation>Operátor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P74">
            <source>Actioned At</source>
            <comment>DBGrid1.Columns[4].Title.Caption</comment>
            <translation>Kezelés ideje</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P75">
            <source>Comments</source>
            <comment>DBGrid1.Columns[5].Title.Caption</comment>
            <translation>Megjegyzések</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P76">
            <source>Only Show Event Types:</source>
            <comment>cbFilterEvents.Caption</comment>
            <translation>Csak ezek az eseménytípusok:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P77">
            <source>Priority Alarm</source>
            <comment>FilterOpts1.Caption</comment>
            <translation>Kiemelt riasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P78">
            <source>Standard Alarm</source>
            <comment>FilterOpts2.Caption</comment>
            <translation>Normál riasztás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P79">
            <source>Open/Close</source>
            <comment>FilterOpts3.Caption</comment>
            <translation>Nyitás/zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P80">
            <source>Omit/Unomit</source>
            <comment>FilterOpts4.Caption</comment>
            <translation>Kiiktatás/visszaállítás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P81">
            <source>Maintenance</source>
            <comment>FilterOpts5.Caption</comment>
            <translation>Karbantartás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P82">
            <source>Tamper</source>
            <comment>FilterOpts6.Caption</comment>
            <translation>Szabotázs</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P83">
            <source>Test</source>
            <comment>FilterOpts7.Caption</comment>
            <translation>Teszt</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P84">
            <source>Date Range</source>
            <comment>gbDateRange.Caption</comment>
            <translation>Időszak</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P99">
            <source>Start Date:</source>
            <comment>lbStartDate.Caption</comment>
            <translation>Kezdő dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P100">
            <source>End Date:</source>
            <comment>lbEndDate.Caption</comment>
            <translation>Záró dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P85">
            <source>Use Date Range</source>
            <comment>cbUseDate.Caption</comment>
            <translation>Szűrés időszakra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P86">
            <source>Print...</source>
            <comment>btnPrint.Caption</comment>
            <translation>Nyomtatás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P87">
            <source>Close</source>
            <comment>btnClose.Caption</comment>
            <translation>Bezárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>AccViewFrm</name>
        <message id="P101">
            <source>Account Manager</source>
            <comment>Caption</comment>
            <translation>Ügyfélkezelő</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P102">
            <source>|&lt;</source>
            <comment>nbFirst.Caption</comment>
            <translation>|&lt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P103">
            <source>First record</source>
            <comment>nbFirst.Hint</comment>
            <translation>Első rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P104">
            <source>&lt;</source>
            <comment>nbPrior.Caption</comment>
            <translation>&lt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P105">
            <source>Prior record</source>
            <comment>nbPrior.Hint</comment>
            <translation>Előző rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P106">
            <source>&gt;</source>
            <comment>nbNext.Caption</comment>
            <translation>&gt;</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P107">
            <source>Next record</source>
            <comment>nbNext.Hint</comment>
            <translation>Következő rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P108">
            <source>&gt;|</source>
            <comment>nbLast.Caption</comment>
            <translation>&gt;|</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P109">
            <source>Last record</source>
            <comment>nbLast.Hint</comment>
            <translation>Utolsó rekord</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P110">
            <source>+</source>
            <comment>nbInsert.Caption</comment>
            <translation>+</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P111">
            <source>Insert record</source>
            <comment>nbInsert.Hint</comment>
            <translation>Új rekord felvétele</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P112">
            <source>-</source>
            <comment>nbDelete.Caption</comment>
            <translation>-</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P113">
            <source>Delete record</source>
            <comment>nbDelete.Hint</comment>
            <translation>Rekord törlése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P114">
            <source>Edit</source>
            <comment>nbEdit.Caption</comment>
            <translation>Szerkesztés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P115">
            <source>Edit record</source>
            <comment>nbEdit.Hint</comment>
            <translation>Rekord szerkesztése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P116">
            <source>Save</source>
            <comment>nbPost.Caption</comment>
            <translation>Mentés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P117">
            <source>Post edit</source>
            <comment>nbPost.Hint</comment>
            <translation>Szerkesztés mentése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P118">
            <source>Cancel</source>
            <comment>nbCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P119">
            <source>Cancel edit</source>
            <comment>nbCancel.Hint</comment>
            <translation>Szerkesztés megszakítása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P120">
            <source>Search</source>
            <comment>btnSearch.Caption</comment>
            <translation>Keresés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P121">
            <source>Show History</source>
            <comment>btnHistory.Caption</comment>
            <translation>Előzmények</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P122">
            <source>Print</source>
            <comment>btnPrint.Caption</comment>
            <translation>Nyomtatás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P123">
            <source>Customer</source>
            <comment>PageControl1.Tabs[0].Caption</comment>
            <translation>Ügyfél</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P124">
            <source>Notes</source>
            <comment>PageControl1.Tabs[1].Caption</comment>
            <translation>Megjegyzések</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P125">
            <source>Special Instructions</source>
            <comment>PageControl1.Tabs[2].Caption</comment>
            <translation>Különleges utasítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P126">
            <source>Key Holders</source>
            <comment>PageControl1.Tabs[3].Caption</comment>
            <translation>Értesítendők</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P127">
            <source>Zones</source>
            <comment>PageControl1.Tabs[4].Caption</comment>
            <translation>Zónák</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P128">
            <source>Areas</source>
            <comment>PageControl1.Tabs[5].Caption</comment>
            <translation>Partíciók</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P129">
            <source>Users</source>
            <comment>PageControl1.Tabs[6].Caption</comment>
            <translation>Felhasználók</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P130">
            <source>Event Handling</source>
            <comment>PageControl1.Tabs[7].Caption</comment>
            <translation>Események kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P131">
            <source>Exceptions</source>
            <comment>PageControl1.Tabs[8].Caption</comment>
            <translation>Rendellenességek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P132">
            <source>Exceptions</source>
            <comment>lbHeading8.Caption</comment>
            <translation>Rendellenességek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P133">
            <source>Early Opening</source>
            <comment>gbEarlyOpening.Caption</comment>
            <translation>Korai nyitás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P134">
            <source>Monday:</source>
            <comment>lblMonOpen.Caption</comment>
            <translation>Hétfő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P135">
            <source>Generate Exception</source>
            <comment>cbMonOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P136">
            <source>Tuesday:</source>
            <comment>lblTueOpen.Caption</comment>
            <translation>Kedd:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P137">
            <source>Generate Exception</source>
            <comment>cbTueOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P138">
            <source>Wednesday:</source>
            <comment>lblWedOpen.Caption</comment>
            <translation>Szerda:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P139">
            <source>Generate Exception</source>
            <comment>cbWedOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P140">
            <source>Thursday:</source>
            <comment>lblThuOpen.Caption</comment>
            <translation>Csütörtök:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P141">
            <source>Generate Exception</source>
            <comment>cbThuOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P142">
            <source>Friday:</source>
            <comment>lblFriOpen.Caption</comment>
            <translation>Péntek:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P143">
            <source>Generate Exception</source>
            <comment>cbFriOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P144">
            <source>Saturday:</source>
            <comment>lblSatOpen.Caption</comment>
            <translation>Szombat:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P145">
            <source>Generate Exception</source>
            <comment>cbSatOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P146">
            <source>Sunday:</source>
            <comment>lblSunOpen.Caption</comment>
            <translation>Vasárnap:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P147">
            <source>Generate Exception</source>
            <comment>cbSunOpenExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P148">
            <source>Late Closing</source>
            <comment>gbLateClosing.Caption</comment>
            <translation>Késői zárás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P149">
            <source>Monday:</source>
            <comment>lblMonClose.Caption</comment>
            <translation>Hétfő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P150">
            <source>Generate Exception</source>
            <comment>cbMonCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P151">
            <source>Tuesday:</source>
            <comment>lblTueClose.Caption</comment>
            <translation>Kedd:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P152">
            <source>Generate Exception</source>
            <comment>cbTueCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P153">
            <source>Wednesday:</source>
            <comment>lblWedClose.Caption</comment>
            <translation>Szerda:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P154">
            <source>Generate Exception</source>
            <comment>cbWedCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P155">
            <source>Thursday:</source>
            <comment>lblThuClose.Caption</comment>
            <translation>Csütörtök:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P156">
            <source>Generate Exception</source>
            <comment>cbThuCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P157">
            <source>Friday:</source>
            <comment>lblFriClose.Caption</comment>
            <translation>Péntek:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P158">
            <source>Generate Exception</source>
            <comment>cbFriCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P159">
            <source>Saturday:</source>
            <comment>lblSatClose.Caption</comment>
            <translation>Szombat:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P160">
            <source>Generate Exception</source>
            <comment>cbSatCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P161">
            <source>Sunday:</source>
            <comment>lblSunClose.Caption</comment>
            <translation>Vasárnap:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P162">
            <source>Generate Exception</source>
            <comment>cbSunCloseExcept.Caption</comment>
            <translation>Rendellenesség jelzése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P163">
            <source>No Communication</source>
            <comment>gbNoCommunication.Caption</comment>
            <translation>Nincs kommunikáció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P164">
            <source>Disabled&#13;
1 Hour&#13;
2 Hours&#13;
3 Hours&#13;
4 Hours&#13;
5 Hours&#13;
6 Hours&#13;
7 Hours&#13;
8 Hours&#13;
9 Hours&#13;
10 Hours&#13;
11 Hours&#13;
12 Hours&#13;
18 Hours&#13;
24 Hours&#13;
36 Hours&#13;
48 Hours&#13;
60 Hours&#13;
72 Hours&#13;
84 Hours</source>
            <comment>cbNoSigTime.Items.Strings</comment>
            <translation>Kikapcsolva&#13;
1 óra&#13;
2 óra&#13;
3 óra&#13;
4 óra&#13;
5 óra&#13;
6 óra&#13;
7 óra&#13;
8 óra&#13;
9 óra&#13;
10 óra&#13;
11 óra&#13;
12 óra&#13;
18 óra&#13;
24 óra&#13;
36 óra&#13;
48 óra&#13;
60 óra&#13;
72 óra&#13;
84 óra</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P165">
            <source>Communication Exception:</source>
            <comment>lblNoSigTime.Caption</comment>
            <translation>Kommunikációs rendellenesség:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P166">
            <source>Last Communication:</source>
            <comment>lblLastSignal.Caption</comment>
            <translation>Utolsó kommunikáció:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P167">
            <source>Event Handling</source>
            <comment>lbHeading7.Caption</comment>
            <translation>Események kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P168">
            <source>Code</source>
            <comment>grdEvents.Columns[0].Title.Caption</comment>
            <translation>Kód</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P169">
            <source>Description</source>
            <comment>grdEvents.Columns[1].Title.Caption</comment>
            <translation>Leírás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P170">
            <source>Alarm Priority</source>
            <comment>grdEvents.Columns[2].Title.Caption</comment>
            <translation>Prioritás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P171">
            <source>Alarm Action</source>
            <comment>grdEvents.Columns[3].Title.Caption</comment>
            <translation>Riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P172">
            <source>Restore Action</source>
            <comment>grdEvents.Columns[4].Title.Caption</comment>
            <translation>Helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P173">
            <source>Email on Alarm</source>
            <comment>grdEvents.Columns[5].Title.Caption</comment>
            <translation>E-mail riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P174">
            <source>Email on Restore</source>
            <comment>grdEvents.Columns[6].Title.Caption</comment>
            <translation>E-mail helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P175">
            <source>Alarm Priority</source>
            <comment>rgPriority.Caption</comment>
            <translation>Prioritás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P176">
            <source>Very High</source>
            <comment>rgPriority0.Caption</comment>
            <translation>Nagyon magas</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P177">
            <source>High</source>
            <comment>rgPriority1.Caption</comment>
            <translation>Magas</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P178">
            <source>Medium</source>
            <comment>rgPriority2.Caption</comment>
            <translation>Közepes</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P179">
            <source>Low</source>
            <comment>rgPriority3.Caption</comment>
            <translation>Alacsony</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P180">
            <source>Alarm Action</source>
            <comment>rgAlmAction.Caption</comment>
            <translation>Riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P181">
            <source>Ignore</source>
            <comment>rgAlmAction0.Caption</comment>
            <translation>Mellőzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P182">
            <source>Log</source>
            <comment>rgAlmAction1.Caption</comment>
            <translation>Naplózás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P183">
            <source>Prompt</source>
            <comment>rgAlmAction2.Caption</comment>
            <translation>Kijelzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P184">
            <source>Restore Action</source>
            <comment>rgResAction.Caption</comment>
            <translation>Helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P185">
            <source>Ignore</source>
            <comment>rgResAction0.Caption</comment>
            <translation>Mellőzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P186">
            <source>Log</source>
            <comment>rgResAction1.Caption</comment>
            <translation>Naplózás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P187">
            <source>Prompt</source>
            <comment>rgResAction2.Caption</comment>
            <translation>Kijelzés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P188">
            <source>Email on Alarm</source>
            <comment>rgAlmEmail.Caption</comment>
            <translation>E-mail riasztáskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P189">
            <source>No</source>
            <comment>rgAlmEmail0.Caption</comment>
            <translation>Nem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P190">
            <source>Yes</source>
            <comment>rgAlmEmail1.Caption</comment>
            <translation>Igen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P191">
            <source>Email on Restore</source>
            <comment>rgResEmail.Caption</comment>
            <translation>E-mail helyreálláskor</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P192">
            <source>No</source>
            <comment>rgResEmail0.Caption</comment>
            <translation>Nem</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P193">
            <source>Yes</source>
            <comment>rgResEmail1.Caption</comment>
            <translation>Igen</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P194">
            <source>Update Event</source>
            <comment>btnUpdateEvent.Caption</comment>
            <translation>Esemény frissítése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P195">
            <source>System Users</source>
            <comment>lbHeading6.Caption</comment>
            <translation>A rendszer felhasználói</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P196">
            <source>User No</source>
            <comment>grdUsers.Columns[0].Title.Caption</comment>
            <translation>Sorszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P197">
            <source>User Name</source>
            <comment>grdUsers.Columns[1].Title.Caption</comment>
            <translation>Felhasználó neve</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P198">
            <source>Import...</source>
            <comment>btnImportUsers.Caption</comment>
            <translation>Importálás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P199">
            <source>Area Information</source>
            <comment>lbHeading5.Caption</comment>
            <translation>Partíciók adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P200">
            <source>Area</source>
            <comment>grdAreas.Columns[0].Title.Caption</comment>
            <translation>Partíció</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P201">
            <source>Area Description</source>
            <comment>grdAreas.Columns[1].Title.Caption</comment>
            <translation>Partíció leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P202">
            <source>Import...</source>
            <comment>btnImportAreas.Caption</comment>
            <translation>Importálás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P203">
            <source>Zone Details</source>
            <comment>lbHeading4.Caption</comment>
            <translation>Zónák adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P204">
            <source>Zone No</source>
            <comment>grdZones.Columns[0].Title.Caption</comment>
            <translation>Zónaszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P205">
            <source>Zone Description</source>
            <comment>grdZones.Columns[1].Title.Caption</comment>
            <translation>Zóna leírása</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P206">
            <source>Import...</source>
            <comment>btnImportZones.Caption</comment>
            <translation>Importálás...</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P207">
            <source>Key Holder Information</source>
            <comment>lbHeading3.Caption</comment>
            <translation>Értesítendő személyek adatai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P208">
            <source>Key Holder 1</source>
            <comment>gbKeyHolder1.Caption</comment>
            <translation>1. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P209">
            <source>Name:</source>
            <comment>lblKH1Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P210">
            <source>Tel No:</source>
            <comment>lblKH1TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P211">
            <source>Mobile:</source>
            <comment>lblKH1Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P212">
            <source>Pager:</source>
            <comment>lblKH1Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P213">
            <source>Email:</source>
            <comment>lblKH1Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P214">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH1UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P215">
            <source>Key Holder 2</source>
            <comment>gbKeyHolder2.Caption</comment>
            <translation>2. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P216">
            <source>Name:</source>
            <comment>lblKH2Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P217">
            <source>Tel No:</source>
            <comment>lblKH2TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P218">
            <source>Mobile:</source>
            <comment>lblKH2Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P219">
            <source>Pager:</source>
            <comment>lblKH2Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P220">
            <source>Email:</source>
            <comment>lblKH2Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P221">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH2UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P222">
            <source>Key Holder 3</source>
            <comment>gbKeyHolder3.Caption</comment>
            <translation>3. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P223">
            <source>Name:</source>
            <comment>lblKH3Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P224">
            <source>Tel No:</source>
            <comment>lblKH3TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P225">
            <source>Mobile:</source>
            <comment>lblKH3Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P226">
            <source>Pager:</source>
            <comment>lblKH3Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P227">
            <source>Email:</source>
            <comment>lblKH3Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P228">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH3UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P229">
            <source>Key Holder 4</source>
            <comment>gbKeyHolder4.Caption</comment>
            <translation>4. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P230">
            <source>Name:</source>
            <comment>lblKH4Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P231">
            <source>Tel No:</source>
            <comment>lblKH4TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P232">
            <source>Mobile:</source>
            <comment>lblKH4Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P233">
            <source>Pager:</source>
            <comment>lblKH4Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P234">
            <source>Email:</source>
            <comment>lblKH4Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P235">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH4UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P236">
            <source>Key Holder 5</source>
            <comment>gbKeyHolder5.Caption</comment>
            <translation>5. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P237">
            <source>Name:</source>
            <comment>lblKH5Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P238">
            <source>Tel No:</source>
            <comment>lblKH5TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P239">
            <source>Mobile:</source>
            <comment>lblKH5Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P240">
            <source>Pager:</source>
            <comment>lblKH5Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P241">
            <source>Email:</source>
            <comment>lblKH5Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P242">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH5UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P243">
            <source>Key Holder 6</source>
            <comment>gbKeyHolder6.Caption</comment>
            <translation>6. értesítendő személy</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P244">
            <source>Name:</source>
            <comment>lblKH6Name.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P245">
            <source>Tel No:</source>
            <comment>lblKH6TelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P246">
            <source>Mobile:</source>
            <comment>lblKH6Mobile.Caption</comment>
            <translation>Mobil:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P247">
            <source>Pager:</source>
            <comment>lblKH6Pager.Caption</comment>
            <translation>Személyhívó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P248">
            <source>Email:</source>
            <comment>lblKH6Email.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P249">
            <source>Email Events to this Key Holder</source>
            <comment>cbKH6UseEmail.Caption</comment>
            <translation>Eseményértesítés e-mailben</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P250">
            <source>Special Instructions</source>
            <comment>lbHeading2.Caption</comment>
            <translation>Különleges utasítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P251">
            <source>Details</source>
            <comment>gbDetails.Caption</comment>
            <translation>Részletek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P252">
            <source>Add</source>
            <comment>btnAdd.Caption</comment>
            <translation>Hozzáadás</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P253">
            <source>Delete</source>
            <comment>btnDelete.Caption</comment>
            <translation>Törlés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P254">
            <source>Date:</source>
            <comment>lblDate.Caption</comment>
            <translation>Dátum:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P255">
            <source>Time:</source>
            <comment>lblTime.Caption</comment>
            <translation>Idő:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P256">
            <source>Instruction:</source>
            <comment>lblInstruction.Caption</comment>
            <translation>Utasítás:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P257">
            <source>Customer Notes</source>
            <comment>lbHeading1.Caption</comment>
            <translation>Ügyfél megjegyzései</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P258">
            <source>Customer Details</source>
            <comment>lbHeading0.Caption</comment>
            <translation>Ügyféladatok</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P259">
            <source>Account No:</source>
            <comment>lblAccountNo.Caption</comment>
            <translation>Ügyfélszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P260">
            <source>Name:</source>
            <comment>lblName.Caption</comment>
            <translation>Név:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P261">
            <source>Address:</source>
            <comment>lblAddress.Caption</comment>
            <translation>Cím:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P262">
            <source>Postcode:</source>
            <comment>lblPostcode.Caption</comment>
            <translation>Irányítószám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P263">
            <source>Tel No:</source>
            <comment>lblTelNo.Caption</comment>
            <translation>Telefonszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P264">
            <source>Fax No:</source>
            <comment>lblFaxNo.Caption</comment>
            <translation>Faxszám:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P265">
            <source>Email:</source>
            <comment>lblEmail.Caption</comment>
            <translation>E-mail:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P266">
            <source>Alarm Panel:</source>
            <comment>lblPanelType.Caption</comment>
            <translation>Riasztóközpont:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P267">
            <source>Police No:</source>
            <comment>lblPoliceNo.Caption</comment>
            <translation>Rendőrség tel.:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P268">
            <source>Password:</source>
            <comment>lblPassword.Caption</comment>
            <translation>Jelszó:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P269">
            <source>Special:</source>
            <comment>lblSpecialOpts.Caption</comment>
            <translation>Egyéb:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P270">
            <source>Browse</source>
            <comment>lbMode.Caption</comment>
            <translation>Böngészés</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>frmAccountSearch</name>
        <message id="P271">
            <source>Account Search</source>
            <comment>Caption</comment>
            <translation>Ügyfél keresése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P272">
            <source>Account No</source>
            <comment>DBGrid1.Columns[0].Title.Caption</comment>
            <translation>Ügyfélsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P273">
            <source>Name</source>
            <comment>DBGrid1.Columns[1].Title.Caption</comment>
            <translation>Név</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P274">
            <source>Address</source>
            <comment>DBGrid1.Columns[2].Title.Caption</comment>
            <translation>Cím</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P275">
            <source>Postcode</source>
            <comment>DBGrid1.Columns[3].Title.Caption</comment>
            <translation>Irsz.</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P276">
            <source>Tel No</source>
            <comment>DBGrid1.Columns[4].Title.Caption</comment>
            <translation>Telefonszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P277">
            <source>Fax No</source>
            <comment>DBGrid1.Columns[5].Title.Caption</comment>
            <translation>Faxszám</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P278">
            <source>Email</source>
            <comment>DBGrid1.Columns[6].Title.Caption</comment>
            <translation>E-mail</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P279">
            <source>Panel Type</source>
            <comment>DBGrid1.Columns[7].Title.Caption</comment>
            <translation>Központ típusa</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P280">
            <source>Search Field:</source>
            <comment>lbSearchField.Caption</comment>
            <translation>Keresési mező:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P281">
            <source>Account No&#13;
Name&#13;
Address&#13;
Postcode&#13;
Telephone No&#13;
Fax No&#13;
Email</source>
            <comment>cbSearchField.Items.Strings</comment>
            <translation>Ügyfélsz.&#13;
Név&#13;
Cím&#13;
Irsz.&#13;
Telefonszám&#13;
Faxszám&#13;
E-mail</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P282">
            <source>Search For:</source>
            <comment>lbSearchFor.Caption</comment>
            <translation>Keresett érték:</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P283">
            <source>OK</source>
            <comment>btnOK.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P284">
            <source>Cancel</source>
            <comment>btnCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>ImportOptsFrm</name>
        <message id="P285">
            <source>Import Options</source>
            <comment>Caption</comment>
            <translation>Importálás beállításai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P286">
            <source>Options</source>
            <comment>gbOptions.Caption</comment>
            <translation>Beállítások</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P287">
            <source>Zone Text</source>
            <comment>cbZoneText.Caption</comment>
            <translation>Zónanevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P288">
            <source>Area Text</source>
            <comment>cbAreaText.Caption</comment>
            <translation>Partíciónevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P289">
            <source>User Names</source>
            <comment>cbUserNames.Caption</comment>
            <translation>Felhasználónevek</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P290">
            <source>OK</source>
            <comment>btnOK.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P291">
            <source>Cancel</source>
            <comment>btnCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
    <context>
        <name>frmReportOptions</name>
        <message id="P292">
            <source>Report Options</source>
            <comment>Caption</comment>
            <translation>Jelentés beállításai</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P293">
            <source>Include the Following</source>
            <comment>gbInclude.Caption</comment>
            <translation>A jelentés tartalma</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P294">
            <source>Customer Details&#13;
Key Holders&#13;
Customer Notes&#13;
Special Instructions&#13;
Zone Information&#13;
Area Information&#13;
User Information&#13;
Event Handling</source>
            <comment>clbOptions.Items.Strings</comment>
            <translation>Ügyféladatok&#13;
Értesítendők&#13;
Ügyfél megjegyzései&#13;
Különleges utasítások&#13;
Zónák adatai&#13;
Partíciók adatai&#13;
Felhasználók adatai&#13;
Események kezelése</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P295">
            <source>OK</source>
            <comment>btnOK.Caption</comment>
            <translation>OK</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
        <message id="P296">
            <source>Cancel</source>
            <comment>btnCancel.Caption</comment>
            <translation>Mégse</translation>
            <extra-loc-version>1</extra-loc-version>
        </message>
    </context>
</TS>
