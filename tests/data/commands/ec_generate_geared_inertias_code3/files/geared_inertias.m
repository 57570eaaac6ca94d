% Builds the Simulink model geared_inertias of a bond graph: run this script in MATLAB.
sys = 'geared_inertias';
bdclose(sys);
new_system(sys);
% element 1, Se: constant effort; the flow it delivers ends in a terminator
add_block('built-in/Constant',[sys '/1e'],'Value','1','Position',[54-15,78,54+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[54+25,78,54+55,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+--','Position',[180-15,78,180+15,78+30]);
% element 3, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/3p'],'InitialCondition','0','Position',[168-15,198,168+15,198+30]);
add_block('built-in/Gain',[sys '/3f'],'Gain','1/(1)','Position',[168+25,198,168+55,198+30]);
add_line(sys,'3p/1','3f/1');
% element 4, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/4e'],'Gain','0.1','Position',[210-15,198,210+15,198+30]);
% element 5, TF with modulus n: e1 = n*e2, f2 = n*f1
% effort passes from bond 2 to bond 1: e1 = n*e2, f2 = n*f1
add_block('built-in/Gain',[sys '/5e1'],'Gain','2','Position',[312-15,78,312+15,78+30]);
add_block('built-in/Gain',[sys '/5f2'],'Gain','2','Position',[312+25,78,312+55,78+30]);
% effort passes from bond 1 to bond 2: e2 = e1/n, f1 = f2/n
add_block('built-in/Gain',[sys '/5e2'],'Gain','1/(2)','Position',[312-15,78+40,312+15,78+70]);
add_block('built-in/Gain',[sys '/5f1'],'Gain','1/(2)','Position',[312+25,78+40,312+55,78+70]);
% element 6, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/6sum'],'Inputs','+++','Position',[420-15,78,420+15,78+30]);
% element 7, I in derivative causality: e = I*df/dt
add_block('built-in/Derivative',[sys '/7df'],'Position',[378-15,198,378+15,198+30]);
add_block('built-in/Gain',[sys '/7e'],'Gain','1','Position',[378+25,198,378+55,198+30]);
add_line(sys,'7df/1','7e/1');
% element 8, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/8e'],'Gain','0.1','Position',[426-15,198,426+15,198+30]);
% element 9, Df: the flow of its bond on the signal output; no effort across it
add_block('built-in/Gain',[sys '/9f'],'Gain','1','Position',[480-15,198,480+15,198+30]);
add_block('built-in/Constant',[sys '/9e'],'Value','0','Position',[480+25,198,480+55,198+30]);
% element 11, scope
add_block('built-in/Scope',[sys '/11scope'],'Position',[600-15,316,600+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'3f/1','1t/1');
add_line(sys,'2sum/1','3p/1');
add_line(sys,'3f/1','4e/1');
add_line(sys,'4e/1','2sum/2');
add_line(sys,'3f/1','5f2/1');
add_line(sys,'5e1/1','2sum/3');
add_line(sys,'6sum/1','5e1/1');
add_line(sys,'5f2/1','7df/1');
add_line(sys,'7e/1','6sum/1');
add_line(sys,'5f2/1','8e/1');
add_line(sys,'8e/1','6sum/2');
add_line(sys,'5f2/1','9f/1');
add_line(sys,'9e/1','6sum/3');
add_line(sys,'9f/1','11scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
