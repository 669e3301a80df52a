@echo off
rem Deletes the thumbnail caches (Thumbs.db) that Windows Explorer leaves in
rem the folders of the user's profile. Murvane runs it hidden and waits for it.
if "%USERPROFILE%"=="" goto :eof
del /f /s /q /a "%USERPROFILE%\Thumbs.db" >nul 2>&1
